// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/exif_block.h"

#include <QtEndian>

namespace {

constexpr unsigned char MarkerStart = 0xFF;
constexpr unsigned char StartOfImage = 0xD8;
constexpr unsigned char StartOfScan = 0xDA;
constexpr unsigned char EndOfImage = 0xD9;
constexpr unsigned char App1 = 0xE1;
const QByteArray ExifSignature("Exif\0\0", 6);

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr qsizetype PngChunkHeader = 8, PngChunkTrailer = 4;  // length and type; checksum
const QByteArray RiffSignature("RIFF", 4), WebpSignature("WEBP", 4);
constexpr qsizetype RiffHeader = 12, RiffChunkHeader = 8;

constexpr std::uint16_t ShortType = 3, LongType = 4;
constexpr qsizetype TiffHeaderSize = 8, EntrySize = 12;

// The payload of the file's first chunk of that type. Some writers put
// metadata after the pixels, so the whole chunk list is walked.
std::optional<QByteArrayView> pngChunk(const QByteArray& png, QByteArrayView type) {
    if (!png.startsWith(PngSignature)) return std::nullopt;
    for (qsizetype at = PngSignature.size(); at + PngChunkHeader <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArrayView chunkType(png.constData() + at + 4, 4);
        if (length > png.size() - at - PngChunkHeader) return std::nullopt;
        if (chunkType == type) return QByteArrayView(png.constData() + at + PngChunkHeader, length);
        at += PngChunkHeader + length + PngChunkTrailer;
    }
    return std::nullopt;
}

std::optional<QByteArrayView> webpChunk(const QByteArray& webp, QByteArrayView type) {
    if (webp.size() < RiffHeader || !webp.startsWith(RiffSignature) ||
        QByteArrayView(webp).sliced(8, 4) != WebpSignature)
        return std::nullopt;
    for (qsizetype at = RiffHeader; at + RiffChunkHeader <= webp.size();) {
        const qsizetype length = qFromLittleEndian<quint32>(webp.constData() + at + 4);
        if (length > webp.size() - at - RiffChunkHeader) return std::nullopt;
        if (QByteArrayView(webp.constData() + at, 4) == type)
            return QByteArrayView(webp.constData() + at + RiffChunkHeader, length);
        at += RiffChunkHeader + length + (length & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

}  // namespace

std::optional<ExifTiff> ExifTiff::From(QByteArrayView bytes) {
    if (bytes.startsWith(ExifSignature)) bytes = bytes.sliced(ExifSignature.size());
    if (bytes.size() < TiffHeaderSize) return std::nullopt;
    if (bytes.startsWith("MM")) return ExifTiff(bytes, true);
    if (bytes.startsWith("II")) return ExifTiff(bytes, false);
    return std::nullopt;
}

std::optional<std::uint32_t> ExifTiff::read(qint64 at, int size) const {
    if (at < 0 || at + size > bytes_.size()) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        const std::uint32_t byte = static_cast<unsigned char>(bytes_[at + i]);
        value |= bigEndian_ ? byte << (8 * (size - 1 - i)) : byte << (8 * i);
    }
    return value;
}

std::optional<std::uint32_t> ExifTiff::nextDirectory(std::uint32_t directory) const {
    const std::optional<std::uint32_t> count = u16(directory);
    if (!count) return std::nullopt;
    const std::optional<std::uint32_t> next = u32(qint64(directory) + 2 + *count * EntrySize);
    if (!next || *next == 0 || *next == directory) return std::nullopt;
    return next;
}

std::optional<std::uint32_t> ExifTiff::tagValue(std::uint32_t directory, std::uint16_t tag) const {
    const std::optional<std::uint32_t> entries = u16(directory);
    if (!entries) return std::nullopt;
    for (std::uint32_t i = 0; i < *entries; ++i) {
        const qint64 entry = qint64(directory) + 2 + qint64(i) * EntrySize;
        const std::optional<std::uint32_t> entryTag = u16(entry);
        const std::optional<std::uint32_t> type = u16(entry + 2);
        if (!entryTag || !type) return std::nullopt;
        if (*entryTag != tag) continue;
        return *type == LongType    ? u32(entry + 8)
               : *type == ShortType ? u16(entry + 8)
                                    : std::nullopt;
    }
    return std::nullopt;
}

bool StartsAsJpeg(QByteArrayView bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == MarkerStart &&
           static_cast<unsigned char>(bytes[1]) == StartOfImage;
}

std::optional<ExifTiff> JpegExif(const QByteArray& jpeg) {
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(jpeg[at]); };
    if (jpeg.size() < 4 || !StartsAsJpeg(jpeg)) return std::nullopt;
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
        if (marker == App1 && payload.startsWith(ExifSignature)) return ExifTiff::From(payload);
        at += 2 + length;
    }
    return std::nullopt;
}

std::optional<ExifTiff> PngExif(const QByteArray& png) {
    const std::optional<QByteArrayView> chunk = pngChunk(png, "eXIf");
    return chunk ? ExifTiff::From(*chunk) : std::nullopt;
}

std::optional<ExifTiff> WebpExif(const QByteArray& webp) {
    const std::optional<QByteArrayView> chunk = webpChunk(webp, "EXIF");
    return chunk ? ExifTiff::From(*chunk) : std::nullopt;
}
