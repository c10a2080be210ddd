// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/icon_directory.h"

#include <climits>
#include <functional>

namespace {

constexpr int DirectoryHeaderSize = 6;
constexpr int DirectoryEntrySize = 16;
constexpr int IconType = 1;
constexpr int PngSignatureSize = 8;
constexpr int PngWidthAt = 16;  // in the IHDR chunk that follows the signature
constexpr int PngHeaderSize = 24;
constexpr int BitmapHeaderSize = 12;  // enough for width and height
const char PngSignature[] = "\x89PNG\r\n\x1a\n";

class Bytes {
  public:
    explicit Bytes(const QByteArray& data) : data_(data) {}
    bool has(qint64 at, qint64 count) const {
        return at >= 0 && count >= 0 && at + count <= data_.size();
    }
    quint32 u8(qint64 at) const { return uchar(data_[at]); }
    quint32 u16(qint64 at) const { return u8(at) | u8(at + 1) << 8; }
    quint32 u32(qint64 at) const { return u16(at) | u16(at + 2) << 16; }
    quint32 u32BigEndian(qint64 at) const {
        return u8(at) << 24 | u8(at + 1) << 16 | u8(at + 2) << 8 | u8(at + 3);
    }
    bool startsWith(qint64 at, const char* text, int count) const {
        return has(at, count) && data_.mid(at, count) == QByteArray(text, count);
    }

  private:
    const QByteArray& data_;
};

// The size an entry decodes to: a PNG's own, or for a bitmap the
// directory's width and height, the header's where the directory says 0
// (256 and more), the header's height covering the image and its mask.
QSize entrySize(const Bytes& bytes, qint64 entryAt) {
    const qint64 imageAt = bytes.u32(entryAt + 12);
    if (bytes.startsWith(imageAt, PngSignature, PngSignatureSize)) {
        if (!bytes.has(imageAt, PngHeaderSize)) return QSize();
        const quint32 width = bytes.u32BigEndian(imageAt + PngWidthAt);
        const quint32 height = bytes.u32BigEndian(imageAt + PngWidthAt + 4);
        if (width == 0 || height == 0 || width > INT_MAX || height > INT_MAX) return QSize();
        return QSize(int(width), int(height));
    }
    if (!bytes.has(imageAt, BitmapHeaderSize)) return QSize();
    int width = int(bytes.u8(entryAt));
    int height = int(bytes.u8(entryAt + 1));
    if (width == 0) width = qint32(bytes.u32(imageAt + 4));
    if (height == 0) height = qint32(bytes.u32(imageAt + 8)) / 2;
    if (width <= 0 || height <= 0) return QSize();
    return QSize(width, height);
}

// Visits the size of every entry the directory can point at.
void visitEntries(const QByteArray& data, const std::function<void(int, QSize)>& visit) {
    const Bytes bytes(data);
    if (!bytes.has(0, DirectoryHeaderSize) || bytes.u16(0) != 0 || bytes.u16(2) != IconType) return;
    const int count = int(bytes.u16(4));
    for (int index = 0; index < count; ++index) {
        const qint64 entryAt = DirectoryHeaderSize + qint64(index) * DirectoryEntrySize;
        if (!bytes.has(entryAt, DirectoryEntrySize)) break;
        const QSize size = entrySize(bytes, entryAt);
        if (size.isValid()) visit(index, size);
    }
}

qint64 area(QSize size) {
    return qint64(size.width()) * size.height();
}

}  // namespace

std::optional<IconEntryChoice> ChooseIconEntry(const QByteArray& data) {
    std::optional<IconEntryChoice> chosen;
    visitEntries(data, [&](int index, QSize size) {
        if (size.width() > MaxIconSide || size.height() > MaxIconSide) return;
        if (!chosen || area(size) > area(chosen->size)) chosen = IconEntryChoice{index, size};
    });
    return chosen;
}

QSize LargestIconEntry(const QByteArray& data) {
    QSize largest;
    visitEntries(data, [&](int, QSize size) {
        if (!largest.isValid() || area(size) > area(largest)) largest = size;
    });
    return largest;
}
