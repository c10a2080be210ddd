// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColorSpace>
#include <QImage>
#include <QSize>

#include "pictures/decoders/picture_orientation.h"

// Decodes a JPEG file's bytes at full size and best quality: 24 bits per
// pixel, or 8 bits with a grey palette for a greyscale file. CMYK files
// (Adobe's inverted ones too) come out as RGB. The pixels stand as the
// Exif orientation says, and carry the colour space of an embedded RGB
// profile Qt can read (converting them is the loader's). Raises "JPEG error
// #%d" with libjpeg's message code, or the picture size error.
QImage DecodeJpeg(const QByteArray& data);

struct ScaledJpeg {
    QImage pixels;
    QSize natural;  // the file's own size, upright
};

// The same, decoded with libjpeg's DCT scaling at the smallest scale (in
// eighths) whose output still covers `cover`: a picture shown smaller than
// its size costs only what is shown. An empty `cover` decodes at full size.
// `cover` is upright, as the pixels come out.
ScaledJpeg DecodeJpegToCover(const QByteArray& data, QSize cover);

// The file's own size as stored (before any turn), read from its header
// alone. Raises "JPEG error #%d".
QSize JpegSize(const QByteArray& data);

// The colour space of the file's embedded RGB profile; invalid when it has
// none Qt can read. Raises "JPEG error #%d".
QColorSpace JpegColourSpace(const QByteArray& data);

// The orientation the file's Exif block declares; Upright when none.
Orientation JpegOrientation(const QByteArray& data);
