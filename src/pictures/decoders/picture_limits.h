// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Refuses a picture too large to hold before any pixel memory is taken:
// a damaged or hostile header must not exhaust the machine's memory.
inline constexpr int MaxPictureSide = 16384;
inline constexpr long long MaxPicturePixels = 100'000'000;
// The largest file a picture within those limits can need: an uncompressed
// 32-bit bitmap of the most pixels, with room for headers, palettes and
// metadata. Anything larger is refused before a byte of it is read.
inline constexpr long long MaxPictureFileBytes = MaxPicturePixels * 4 + (1 << 20);

#include <QImage>

// Raises "Picture is too large (%d x %d)" for a size over the limits, a
// side reported negative counting by its magnitude.
void CheckPictureSize(long long width, long long height);

// A new bitmap of that size and format, or the error "Out of memory".
QImage AllocatePicture(int width, int height, QImage::Format format);

// Where AllocatePicture takes its bitmaps from: the decode helper takes
// them from memory it can hand to the program without a copy. A null
// bitmap from it is memory running out.
using PictureAllocator = QImage (*)(int width, int height, QImage::Format format);
void UsePictureAllocator(PictureAllocator allocator);
