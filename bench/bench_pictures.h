// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Picture files the benchmarks share, written once per run.
const QString& PhotoJpeg();          // 12 megapixels, photo-like, grainy
const QString& LowNoisePhotoJpeg();  // the same with a camera's grain at base sensitivity
const QString& CameraJpeg();         // grainier, 4-7 MB, with a 512x384 Exif thumbnail
const QString& PhotoPng();           // the same photo
const QString& LargeGif();           // 4 megapixels

// One decode of a JPEG file with libjpeg alone, with the loader's settings,
// at 1/`scaleDenominator` of its size (libjpeg's DCT scaling: 1, 2, 4, 8).
void BareJpegDecode(const QByteArray& fileName, int scaleDenominator = 1);
