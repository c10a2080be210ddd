// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/metafile/dib.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "base/sleevix_error.h"
#include "pictures/decoders/picture_limits.h"

namespace {
constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
constexpr uint32_t Uncompressed = 0;
constexpr uint32_t BitFields = 3;

// A palette bitmap of 1, 4 or 8 bits, uncompressed, read here rather than
// by Qt's reader, which refuses a colour table shorter than the depth
// allows unless the header counts it. Colours the table lacks are black.
QImage decodeIndexed(ByteView header, ByteView bits, long long width, long long height,
                     bool topDown, int depth) {
    const bool core = header.u32(0) == CoreHeaderSize;
    const qsizetype tableAt = header.u32(0), entrySize = core ? 3 : 4;
    const long long declared = core || header.u32(32) == 0 ? 1LL << depth : header.u32(32);
    const long long present = (header.size() - tableAt) / entrySize;
    const int colours = int(std::min({declared, present, 1LL << depth}));
    QList<QRgb> table(1 << depth, qRgb(0, 0, 0));
    for (int i = 0; i < colours; ++i) {
        const qsizetype at = tableAt + i * entrySize;
        table[i] = qRgb(header.u8(at + 2), header.u8(at + 1), header.u8(at));
    }
    const qsizetype stride = qsizetype((width * depth + 31) / 32 * 4);
    if (!bits.has(0, stride * qsizetype(height))) return QImage();
    QImage image(int(width), int(height), QImage::Format_Indexed8);
    if (image.isNull()) return QImage();
    image.setColorTable(table);
    const int perByte = 8 / depth, mask = (1 << depth) - 1;
    for (int y = 0; y < image.height(); ++y) {
        const qsizetype row = stride * (topDown ? y : image.height() - 1 - y);
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int byte = bits.u8(row + x / perByte);
            const int shift = 8 - depth * (x % perByte + 1);
            line[x] = uchar(byte >> shift & mask);
        }
    }
    // Raster operations work on colours, never on palette indexes.
    return image.convertToFormat(QImage::Format_RGB32);
}

// What a bitmap header says of the pixels that follow it.
struct DibGeometry {
    long long width = 0, height = 0;
    int depth = 0;
    uint32_t compression = Uncompressed;
    bool topDown = false;
};

// The header's geometry, or nothing when it is not a header or its size
// is beyond the pixel limit.
std::optional<DibGeometry> ReadGeometry(ByteView header) {
    if (!header.has(0, 4)) return std::nullopt;
    const uint32_t headerSize = header.u32(0);
    DibGeometry g;
    if (headerSize == CoreHeaderSize && header.has(0, CoreHeaderSize)) {
        g.width = header.u16(4);
        g.height = header.u16(6);
        g.depth = header.u16(10);
    } else if (headerSize >= 40 && header.has(0, 40)) {
        g.width = header.i32(4);
        g.height = std::llabs(header.i32(8));
        g.topDown = header.i32(8) < 0;
        g.depth = header.u16(14);
        g.compression = header.u32(16);
    } else {
        return std::nullopt;
    }
    if (g.width <= 0 || g.height <= 0) return std::nullopt;
    try {
        CheckPictureSize(g.width, g.height);
    } catch (const SleevixError&) {
        return std::nullopt;
    }
    return g;
}
}  // namespace

QImage DecodeMonochromeDib(ByteView header, ByteView bits) {
    const std::optional<DibGeometry> g = ReadGeometry(header);
    if (!g || g->depth != 1 || g->compression != Uncompressed) return QImage();
    const qsizetype stride = qsizetype((g->width + 31) / 32 * 4);
    if (!bits.has(0, stride * qsizetype(g->height))) return QImage();
    QImage image(int(g->width), int(g->height), QImage::Format_Mono);
    if (image.isNull()) return QImage();
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const size_t rowBytes = size_t((g->width + 7) / 8);
    for (int y = 0; y < image.height(); ++y) {
        const qsizetype row = stride * (g->topDown ? y : image.height() - 1 - y);
        std::memcpy(image.scanLine(y), bits.data() + row, rowBytes);
    }
    return image;
}

QImage DecodeDibWithAlpha(ByteView header, ByteView bits) {
    const std::optional<DibGeometry> g = ReadGeometry(header);
    if (!g || g->depth != 32) return DecodeDib(header, bits);
    // Blue, green, red and alpha bytes, as the masks must then say.
    constexpr qsizetype MasksAt = 40;
    const bool plainMasks = g->compression == BitFields && header.has(MasksAt, 12) &&
                            header.u32(MasksAt) == 0x00FF0000 &&
                            header.u32(MasksAt + 4) == 0x0000FF00 &&
                            header.u32(MasksAt + 8) == 0x000000FF;
    if (g->compression != Uncompressed && !plainMasks) return DecodeDib(header, bits);
    const qsizetype stride = qsizetype(g->width) * 4;
    if (!bits.has(0, stride * qsizetype(g->height))) return QImage();
    QImage image(int(g->width), int(g->height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return QImage();
    for (int y = 0; y < image.height(); ++y) {
        const qsizetype row = stride * (g->topDown ? y : image.height() - 1 - y);
        const auto* from = reinterpret_cast<const uchar*>(bits.data() + row);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, from += 4) {
            // Premultiplied, so no colour may exceed the alpha.
            const int alpha = from[3];
            to[x] = qRgba(std::min<int>(from[2], alpha), std::min<int>(from[1], alpha),
                          std::min<int>(from[0], alpha), alpha);
        }
    }
    return image;
}

QImage DecodeDib(ByteView header, ByteView bits) {
    const std::optional<DibGeometry> geometry = ReadGeometry(header);
    if (!geometry) return QImage();
    const auto [width, height, depth, compression, topDown] = *geometry;
    if ((depth == 1 || depth == 4 || depth == 8) && compression == Uncompressed)
        return decodeIndexed(header, bits, width, height, topDown, depth);
    // Qt reads the bitmap once it has the file header a .bmp file carries.
    QByteArray file("BM");
    const quint32 total = quint32(FileHeaderSize + header.size() + bits.size());
    const quint32 offset = quint32(FileHeaderSize + header.size());
    for (quint32 value : {total, 0u, offset})
        for (int i = 0; i < 4; ++i) file.append(char(value >> (8 * i)));
    file.append(header.data(), header.size());
    file.append(bits.data(), bits.size());
    return QImage::fromData(file, "BMP");
}

QImage DecodePackedDib(ByteView packed) {
    if (!packed.has(0, 4)) return QImage();
    const uint32_t headerSize = packed.u32(0);
    qsizetype length = 0;
    if (headerSize == CoreHeaderSize && packed.has(0, CoreHeaderSize)) {
        const int bits = packed.u16(10);
        length = CoreHeaderSize + (bits <= 8 ? 3 * (qsizetype(1) << bits) : 0);
    } else if (headerSize >= 40 && packed.has(0, 40)) {
        const int bits = packed.u16(14);
        const uint32_t compression = packed.u32(16);
        const uint32_t used = packed.u32(32);
        const qsizetype colours = used        ? qsizetype(std::min<uint32_t>(used, 1u << 16))
                                  : bits <= 8 ? qsizetype(1) << bits
                                              : 0;
        length = headerSize + (compression == BitFields && headerSize == 40 ? 12 : 0) + 4 * colours;
        // A full-size table claimed but not there: the pixels that must
        // follow tell how much of it there is.
        const long long width = packed.i32(4), height = std::llabs(packed.i32(8));
        constexpr long long MaxSide = 1 << 20;  // keeps the products below in range
        if (bits <= 8 && compression == Uncompressed && used == 0 && width > 0 &&
            width <= MaxSide && height <= MaxSide) {
            const long long pixelBytes = (width * bits + 31) / 32 * 4 * height;
            const long long room = packed.size() - qsizetype(headerSize) - pixelBytes;
            if (pixelBytes > 0 && room >= 0 && room < 4 * colours)
                length = headerSize + room / 4 * 4;
        }
    } else {
        return QImage();
    }
    if (length > packed.size()) return QImage();
    return DecodeDib(packed.sub(0, length), packed.sub(length, packed.size() - length));
}
