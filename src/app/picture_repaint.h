// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFlags>
#include <QImage>
#include <QString>

#include "pictures/picture_bitmap.h"
#include "render/cover_value.h"



// Reads the picked file for the screen and makes it the insert's picture
// (path, bitmap and flag). A file that cannot be read raises its error and
// changes nothing.
// `cover` is the size in device pixels the picture is shown in.
void ChooseBackPicture(const QString& path, QSize cover);
void ChooseFrontPicture(const QString& path, QSize cover);

// Makes a picture held in memory, with no file behind it (pasted or
// dropped as pixels), the insert's picture: its path is empty, and every
// repaint and the printed page use it as it is. Transparent parts lie on
// white; a picture beyond the size limits raises the size error and
// changes nothing.
void HoldBackPicture(const QImage& picture);
void HoldFrontPicture(const QImage& picture);
// Whether the insert's picture is one held in memory.
bool PictureIsHeld(PictureHalf half);
// The held picture as a PNG file, as a document carries it: encoded once,
// or the very bytes it was held from.
QByteArray HeldPicturePng(PictureHalf half);
// Holds the picture of a PNG file's bytes (a document's carried picture);
// raises the PNG decoder's errors and then changes nothing.
void HoldPicturePng(PictureHalf half, const QByteArray& png);

// Reads the chosen pictures again before a render, for the device pixels
// they are shown in, a held picture excepted (bytes equal to those the held
// picture came from are not decoded again); a half with no picture stays
// as it is. A picture whose file has become unreadable is reported once and
// left out, so the texts and lines of the render are still drawn.
void ReloadPictures(PictureHalves halves, QSize backCover, QSize frontCover);
