// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QSize>
#include <QString>

#include "pictures/picture_bitmap.h"

// Reads a picture file into a bitmap, choosing the decoder by the file's
// extension alone. Nothing when no file of that name exists (a directory
// counts as none); any other failure raises an error with its message.
// With a `cover` size, a picture shown in that area may be decoded with
// fewer pixels that still cover it (JPEG); its width and height stay the
// file's own. Without, every pixel is decoded.
std::optional<PictureBitmap> LoadPictureBitmap(const QString& fileName, QSize cover = QSize());

// The two steps of LoadPictureBitmap: the file's bytes (nothing when there
// is no file), then the picture those bytes hold.
std::optional<QByteArray> ReadPictureBytes(const QString& fileName);
PictureBitmap DecodePictureBytes(const QString& fileName, const QByteArray& bytes, QSize cover);
