// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a JPEG file's bytes at full size and best quality: 24 bits per
// pixel, or 8 bits with a grey palette for a greyscale file. CMYK files
// (Adobe's inverted ones too) come out as RGB. Raises "JPEG error #%d" with
// libjpeg's message code, or the picture size error.
QImage DecodeJpeg(const QByteArray& data);

struct ScaledJpeg {
    QImage pixels;
    QSize natural;  // the file's own size
};

// The same, decoded with libjpeg's DCT scaling at the smallest scale (in
// eighths) whose output still covers `cover`: a picture shown smaller than
// its size costs only what is shown. An empty `cover` decodes at full size.
ScaledJpeg DecodeJpegToCover(const QByteArray& data, QSize cover);

// The file's own size, read from its header alone. Raises "JPEG error #%d".
QSize JpegSize(const QByteArray& data);
