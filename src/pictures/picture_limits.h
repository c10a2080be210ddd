#pragma once

// Refuses a picture too large to hold before any pixel memory is taken:
// a damaged or hostile header must not exhaust the machine's memory.
inline constexpr int MaxPictureSide = 16384;
inline constexpr long long MaxPicturePixels = 100'000'000;

#include <QImage>

// Raises "Picture is too large (%d x %d)" for a size over the limits.
void CheckPictureSize(long long width, long long height);

// A new bitmap of that size and format, or the error "Out of memory".
QImage AllocatePicture(int width, int height, QImage::Format format);
