// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/picture_limits.h"

#include <cstdlib>

#include <QCoreApplication>
#include <QString>

#include "base/sleevix_error.h"

void CheckPictureSize(long long width, long long height) {
    // A top-down bitmap reports its height negative: its magnitude is held.
    width = std::abs(width);
    height = std::abs(height);
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        throw SleevixError(QCoreApplication::translate("Pictures", "Picture is too large (%1 x %2)")
                               .arg(width)
                               .arg(height));
}

namespace {

PictureAllocator chosenAllocator = nullptr;

}  // namespace

void UsePictureAllocator(PictureAllocator allocator) {
    chosenAllocator = allocator;
}

QImage AllocatePicture(int width, int height, QImage::Format format) {
    QImage image = chosenAllocator ? chosenAllocator(width, height, format)
                                   : QImage(width, height, format);
    if (image.isNull()) throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
    return image;
}
