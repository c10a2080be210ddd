// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// The image's file bytes in a format Qt writes ("png", "webp" lossless,
// "tiff", "bmp"...); empty when Qt cannot write it.
QByteArray EncodeImage(const QImage& image, const char* format);

// Headers of well-formed files claiming a size their data does not have:
// a PNG (signature, IHDR with right checksums, a little data, IEND), an extended WebP whose
// canvas claims it, and a real TIFF whose width and length are rewritten.
QByteArray PngClaiming(quint32 width, quint32 height);
QByteArray WebpClaiming(quint32 width, quint32 height);
QByteArray TiffClaiming(quint16 width, quint16 height);

// A TIFF file of two pages (Qt writes one per file): the second file's
// directory appended to the first's, its offsets moved.
QByteArray TwoPageTiff(const QImage& first, const QImage& second);

// The PNG file with a chunk of that type and data after its header chunk.
QByteArray WithPngChunk(const QByteArray& png, const char* type, const QByteArray& data);

// The WebP file of a picture of that size in the extended layout, with an
// EXIF chunk holding `exif` after its image.
QByteArray WithWebpExif(const QByteArray& webp, QSize size, const QByteArray& exif);

// The picture's TIFF file with the Orientation tag set to `orientation`;
// the pixels stored as they are.
QByteArray TiffOriented(const QImage& image, int orientation);

// The bytes in a gzip stream, as a .svgz holds its drawing.
QByteArray Gzipped(const QByteArray& bytes);
