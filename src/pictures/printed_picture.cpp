// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/printed_picture.h"

#include "base/sleevix_error.h"
#include "pictures/picture_loader.h"
#include "pictures/print_only_pictures.h"

PictureBitmap PictureForPrinting(const QString& path, const PictureBitmap& held, QSize printed) {
    try {
        // A drawing too slow to draw at any size comes back null.
        std::optional<PictureBitmap> full = LoadPictureBitmap(path, printed, PictureUse::Print);
        if (full && !full->isNull()) return std::move(*full);
    } catch (const SleevixError&) {
        if (PrintOnlyPictures::Active()) throw;
    }
    return held;
}
