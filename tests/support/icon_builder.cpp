// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/icon_builder.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

constexpr int DirectoryHeaderSize = 6;
constexpr int DirectoryEntrySize = 16;
constexpr int BitmapHeaderSize = 40;

void put16(QByteArray& bytes, quint16 value) {
    bytes.append(char(value & 0xff)).append(char(value >> 8));
}

void put32(QByteArray& bytes, quint32 value) {
    for (int i = 0; i < 4; ++i) bytes.append(char((value >> (8 * i)) & 0xff));
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

// A bitmap header of twice the height, BGRA rows bottom-up, then the mask.
QByteArray bitmapBytes(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int maskStride = ((image.width() + 31) / 32) * 4;
    QByteArray bytes;
    put32(bytes, BitmapHeaderSize);
    put32(bytes, quint32(image.width()));
    put32(bytes, quint32(image.height() * 2));
    put16(bytes, 1);
    put16(bytes, 32);
    for (int i = 0; i < 6; ++i) put32(bytes, 0);
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x) put32(bytes, image.pixel(x, y));
    bytes.append(QByteArray(qsizetype(maskStride) * image.height(), '\0'));
    return bytes;
}

QByteArray entryBytes(const IconImage& entry) {
    return entry.png ? pngBytes(entry.image) : bitmapBytes(entry.image);
}

void putDirectoryEntry(QByteArray& icon, const QImage& image, qsizetype size, qsizetype offset) {
    icon.append(char(image.width() >= 256 ? 0 : image.width()));
    icon.append(char(image.height() >= 256 ? 0 : image.height()));
    icon.append('\0').append('\0');
    put16(icon, 1);
    put16(icon, 32);
    put32(icon, quint32(size));
    put32(icon, quint32(offset));
}

void putDirectoryHeader(QByteArray& icon, int count) {
    put16(icon, 0);
    put16(icon, 1);
    put16(icon, quint16(count));
}

}  // namespace

QByteArray BuildIcon(const QList<IconImage>& images) {
    QByteArray icon;
    putDirectoryHeader(icon, int(images.size()));
    QList<QByteArray> data;
    qsizetype offset = DirectoryHeaderSize + DirectoryEntrySize * images.size();
    for (const IconImage& entry : images) {
        data << entryBytes(entry);
        putDirectoryEntry(icon, entry.image, data.last().size(), offset);
        offset += data.last().size();
    }
    for (const QByteArray& bytes : data) icon.append(bytes);
    return icon;
}

QByteArray BuildIconRepeating(const IconImage& image, int count) {
    QByteArray icon;
    putDirectoryHeader(icon, count);
    const QByteArray data = entryBytes(image);
    const qsizetype offset = DirectoryHeaderSize + qsizetype(DirectoryEntrySize) * count;
    for (int i = 0; i < count; ++i) putDirectoryEntry(icon, image.image, data.size(), offset);
    icon.append(data);
    return icon;
}
