// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

enum class JpegColours { Rgb, Grey, CmykAdobe, CmykPlain };

// A JPEG file's bytes for the image, written with libjpeg, in scans of
// rising detail when `progressive`. For the CMYK kinds each pixel's ink is
// derived from its RGB colour.
QByteArray EncodeJpeg(const QImage& image, JpegColours colours = JpegColours::Rgb,
                      int quality = 95, bool progressive = false);

// Only a header, claiming the given size: enough to test size checks.
QByteArray JpegHeaderClaiming(int width, int height);

// An Exif block's TIFF structure (little-endian): the photo's directory,
// holding `orientation` when it is not 0, then, when `thumbnail` (a JPEG
// file's bytes) is not empty, a directory holding it as a camera does.
QByteArray ExifBlock(int orientation, const QByteArray& thumbnail = {});

// The JPEG file with an APP1 segment holding `exif` after its start marker.
QByteArray WithExif(const QByteArray& jpeg, const QByteArray& exif);

// The JPEG file with an Exif block after its start marker that holds
// `thumbnail` as a camera stores its thumbnail.
QByteArray WithExifThumbnail(const QByteArray& jpeg, const QByteArray& thumbnail);

// The JPEG file carrying an ICC profile in APP2 markers, split into
// numbered chunks when it is too long for one marker, as cameras write it.
QByteArray WithIccProfile(const QByteArray& jpeg, const QByteArray& profile);

// A progressive JPEG of 2000 x 2000 pixels whose last scan comes `repeats`
// times: each pass costs the decoder the whole image again.
QByteArray RepeatedLastScan(int repeats);
