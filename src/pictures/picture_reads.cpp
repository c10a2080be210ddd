// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_reads.h"

#include <optional>

#include "pictures/picture_loader.h"

PictureBitmap RememberedPictureReads::read(const QString& path, QSize cover) {
    std::optional<QByteArray> bytes = ReadPictureBytes(path);
    if (!bytes) {
        forget();
        return PictureBitmap();
    }
    for (const Read& read : reads_)
        if (!read.picture.isNull() && read.path == path && read.cover == cover &&
            read.bytes == *bytes)
            return read.picture;
    PictureBitmap picture = DecodePictureBytes(path, *bytes, cover);
    if (reads_.size() >= capacity_) reads_.erase(reads_.begin());
    reads_.push_back({path, cover, std::move(*bytes), picture});
    return picture;
}
