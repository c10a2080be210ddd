// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include "render/cover_value.h"

enum class PaperSize { A4, Letter };

inline constexpr int MinExportScale = 1;
inline constexpr int MaxExportScale = 4;

// Writes the printed page of `cover` (a value for printing) into a PDF at
// `path` through the print job, as a printer without margins prints it.
// The file is replaced only once the whole PDF has been written.
void ExportCoverPdf(const QString& path, PaperSize paper, const CoverValue& cover);

// The cover as the window shows it: the back strip with both spines and,
// beside it, the front, drawn on surfaces of its own at `scale` device
// pixels per pixel so that texts, lines and pictures are sharp at that size.
QImage CoverImage(const CoverValue& cover, int scale);

// Writes CoverImage(cover, scale) as a PNG file at `path`, replacing it whole.
void ExportCoverPng(const QString& path, int scale, const CoverValue& cover);

// The largest thumbnail side asked of the program; file managers ask up to
// 1024.
inline constexpr int MaxThumbnailSide = 2048;

// Writes the cover as ExportCoverPng draws it, fitted into `side` x `side`
// pixels with its aspect kept, drawn at the smallest export scale at least
// that large so that it is sharp; a PNG file at `path`, replaced whole.
void ExportCoverThumbnail(const QString& path, int side, const CoverValue& cover);
