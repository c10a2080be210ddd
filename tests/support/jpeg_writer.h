// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

enum class JpegColours { Rgb, Grey, CmykAdobe, CmykPlain };

// A JPEG file's bytes for the image, written with libjpeg. For the CMYK
// kinds each pixel's ink is derived from its RGB colour.
QByteArray EncodeJpeg(const QImage& image, JpegColours colours = JpegColours::Rgb,
                      int quality = 95);

// Only a header, claiming the given size: enough to test size checks.
QByteArray JpegHeaderClaiming(int width, int height);

// The JPEG file with an Exif block after its start marker that holds
// `thumbnail` (a JPEG file's bytes) as a camera stores its thumbnail.
QByteArray WithExifThumbnail(const QByteArray& jpeg, const QByteArray& thumbnail);
