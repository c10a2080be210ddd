// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/exif_thumbnail.h"

#include <cstdint>

#include "pictures/decoders/exif_block.h"

namespace {

constexpr std::uint16_t ThumbnailOffsetTag = 0x0201;  // JPEGInterchangeFormat
constexpr std::uint16_t ThumbnailLengthTag = 0x0202;  // JPEGInterchangeFormatLength

}  // namespace

std::optional<QByteArray> ExifThumbnailBytes(const QByteArray& jpeg) {
    const std::optional<ExifTiff> exif = JpegExif(jpeg);
    if (!exif) return std::nullopt;
    // The first directory holds the photo's tags; the one after it, the
    // thumbnail's.
    const std::optional<std::uint32_t> first = exif->firstDirectory();
    if (!first) return std::nullopt;
    const std::optional<std::uint32_t> second = exif->nextDirectory(*first);
    if (!second) return std::nullopt;
    const std::optional<std::uint32_t> offset = exif->tagValue(*second, ThumbnailOffsetTag);
    const std::optional<std::uint32_t> length = exif->tagValue(*second, ThumbnailLengthTag);
    if (!offset || !length || *length == 0 || qint64(*offset) + *length > exif->bytes().size())
        return std::nullopt;
    const QByteArrayView thumbnail = exif->bytes().sliced(*offset, *length);
    if (!StartsAsJpeg(thumbnail)) return std::nullopt;
    return thumbnail.toByteArray();
}
