#include "pictures/metafile/dib.h"

#include <algorithm>
#include <cstdlib>

#include "app/error_box.h"
#include "pictures/picture_limits.h"

namespace {
constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
}  // namespace

QImage DecodeDib(ByteView header, ByteView bits) {
    if (!header.has(0, 4)) return QImage();
    const uint32_t headerSize = header.u32(0);
    long long width = 0, height = 0;
    if (headerSize == CoreHeaderSize && header.has(0, CoreHeaderSize)) {
        width = header.u16(4);
        height = header.u16(6);
    } else if (headerSize >= 40 && header.has(0, 16)) {
        width = header.i32(4);
        height = std::llabs(header.i32(8));
    } else {
        return QImage();
    }
    if (width <= 0 || height <= 0) return QImage();
    try {
        CheckPictureSize(width, height);
    } catch (const SleevixError&) {
        return QImage();
    }
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
    constexpr uint32_t BitFields = 3;
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
    } else {
        return QImage();
    }
    if (length > packed.size()) return QImage();
    return DecodeDib(packed.sub(0, length), packed.sub(length, packed.size() - length));
}
