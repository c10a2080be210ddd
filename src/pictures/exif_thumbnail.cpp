// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/exif_thumbnail.h"

#include <cstdint>

namespace {

constexpr unsigned char MarkerStart = 0xFF;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char EndOfImage = 0xD9;
constexpr unsigned char App1 = 0xE1;
const QByteArray ExifSignature("Exif\0\0", 6);

constexpr std::uint16_t ThumbnailOffsetTag = 0x0201;  // JPEGInterchangeFormat
constexpr std::uint16_t ThumbnailLengthTag = 0x0202;  // JPEGInterchangeFormatLength
constexpr std::uint16_t ShortType = 3, LongType = 4;
constexpr qsizetype TiffHeaderSize = 8, EntrySize = 12;

// Reads integers of either byte order from a byte range; a read outside it
// yields nothing.
class TiffReader {
  public:
    explicit TiffReader(QByteArrayView bytes) : bytes_(bytes) {}

    bool bigEndian = false;

    std::optional<std::uint32_t> read(qint64 at, int size) const {
        if (at < 0 || at + size > bytes_.size()) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const std::uint32_t byte = static_cast<unsigned char>(bytes_[at + i]);
            value |= bigEndian ? byte << (8 * (size - 1 - i)) : byte << (8 * i);
        }
        return value;
    }
    std::optional<std::uint32_t> u16(qint64 at) const { return read(at, 2); }
    std::optional<std::uint32_t> u32(qint64 at) const { return read(at, 4); }
    qsizetype size() const { return bytes_.size(); }

  private:
    QByteArrayView bytes_;
};

// The Exif block's TIFF structure: the payload of the first APP1 segment
// that starts with the Exif signature, found among the segments before the
// scan.
std::optional<QByteArrayView> exifTiff(const QByteArray& jpeg) {
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(jpeg[at]); };
    if (jpeg.size() < 4 || byte(0) != MarkerStart || byte(1) != StartOfImage) return std::nullopt;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (byte(at) != MarkerStart) return std::nullopt;
        const unsigned char marker = byte(at + 1);
        if (marker == MarkerStart) {  // fill byte before a marker
            ++at;
            continue;
        }
        if (marker == StartOfScan || marker == EndOfImage) return std::nullopt;
        const qsizetype length = (qsizetype(byte(at + 2)) << 8) | byte(at + 3);
        if (length < 2 || at + 2 + length > jpeg.size()) return std::nullopt;
        const QByteArrayView payload(jpeg.constData() + at + 4, length - 2);
        if (marker == App1 && payload.startsWith(ExifSignature))
            return payload.sliced(ExifSignature.size());
        at += 2 + length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QByteArray> ExifThumbnailBytes(const QByteArray& jpeg) {
    const std::optional<QByteArrayView> tiff = exifTiff(jpeg);
    if (!tiff || tiff->size() < TiffHeaderSize) return std::nullopt;
    TiffReader reader(*tiff);
    if (tiff->startsWith("MM"))
        reader.bigEndian = true;
    else if (!tiff->startsWith("II"))
        return std::nullopt;

    // The first directory holds the photo's tags; the one after it, the
    // thumbnail's.
    const std::optional<std::uint32_t> first = reader.u32(4);
    if (!first) return std::nullopt;
    const std::optional<std::uint32_t> count = reader.u16(*first);
    if (!count) return std::nullopt;
    const std::optional<std::uint32_t> second = reader.u32(qint64(*first) + 2 + *count * EntrySize);
    if (!second || *second == 0 || *second == *first) return std::nullopt;
    const std::optional<std::uint32_t> entries = reader.u16(*second);
    if (!entries) return std::nullopt;

    std::optional<std::uint32_t> offset, length;
    for (std::uint32_t i = 0; i < *entries; ++i) {
        const qint64 entry = qint64(*second) + 2 + qint64(i) * EntrySize;
        const std::optional<std::uint32_t> tag = reader.u16(entry);
        const std::optional<std::uint32_t> type = reader.u16(entry + 2);
        if (!tag || !type) return std::nullopt;
        if (*tag != ThumbnailOffsetTag && *tag != ThumbnailLengthTag) continue;
        const std::optional<std::uint32_t> value = *type == LongType    ? reader.u32(entry + 8)
                                                   : *type == ShortType ? reader.u16(entry + 8)
                                                                        : std::nullopt;
        (*tag == ThumbnailOffsetTag ? offset : length) = value;
    }
    if (!offset || !length || *length == 0 || qint64(*offset) + *length > reader.size())
        return std::nullopt;
    const QByteArrayView thumbnail = tiff->sliced(*offset, *length);
    if (thumbnail.size() < 2 || static_cast<unsigned char>(thumbnail[0]) != MarkerStart ||
        static_cast<unsigned char>(thumbnail[1]) != StartOfImage)
        return std::nullopt;
    return thumbnail.toByteArray();
}
