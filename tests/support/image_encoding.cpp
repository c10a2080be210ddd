// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/image_encoding.h"

#include <zlib.h>

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace {

void put32(QByteArray& bytes, int at, quint32 value, bool bigEndian) {
    uchar* place = reinterpret_cast<uchar*>(bytes.data() + at);
    bigEndian ? qToBigEndian(value, place) : qToLittleEndian(value, place);
}

}  // namespace

QByteArray EncodeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (QByteArray(format) == "webp") writer.setQuality(100);  // lossless
    if (!writer.write(image)) return QByteArray();
    return bytes;
}

namespace {

// A PNG chunk: length, type and data, and the checksum over type and data.
QByteArray pngChunk(const QByteArray& typeAndData) {
    QByteArray length(4, '\0'), crc(4, '\0');
    put32(length, 0, quint32(typeAndData.size() - 4), true);
    put32(crc, 0,
          quint32(crc32(0, reinterpret_cast<const Bytef*>(typeAndData.constData()),
                        uInt(typeAndData.size()))),
          true);
    return length + typeAndData + crc;
}

}  // namespace

QByteArray WithPngChunk(const QByteArray& png, const char* type, const QByteArray& data) {
    constexpr int AfterHeader = 8 + 8 + 13 + 4;  // signature, IHDR chunk
    return png.left(AfterHeader) + pngChunk(QByteArray(type, 4) + data) + png.mid(AfterHeader);
}

QByteArray WithWebpExif(const QByteArray& webp, QSize size, const QByteArray& exif) {
    constexpr char ExifFlag = 0x08;
    QByteArray vp8x("VP8X\x0a\0\0\0", 8);
    vp8x.append(ExifFlag).append(QByteArray(9, '\0'));
    for (int i = 0; i < 3; ++i) {
        vp8x[12 + i] = char(((size.width() - 1) >> (8 * i)) & 0xff);
        vp8x[15 + i] = char(((size.height() - 1) >> (8 * i)) & 0xff);
    }
    QByteArray chunk = QByteArray("EXIF\0\0\0\0", 8) + exif + QByteArray(exif.size() % 2, '\0');
    put32(chunk, 4, quint32(exif.size()), false);
    QByteArray out = QByteArray("RIFF\0\0\0\0WEBP", 12) + vp8x + webp.mid(12) + chunk;
    put32(out, 4, quint32(out.size() - 8), false);
    return out;
}

QByteArray TiffOriented(const QImage& image, int orientation) {
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);  // so the tag is written
    if (!writer.write(image) || !tiff.startsWith("II")) return QByteArray();
    const int directory = int(qFromLittleEndian<quint32>(tiff.constData() + 4));
    for (int at = directory + 2; at < directory + 2 + 12 * tiff[directory]; at += 12)
        if (qFromLittleEndian<quint16>(tiff.constData() + at) == 274)  // Orientation
            qToLittleEndian(quint16(orientation), tiff.data() + at + 8);
    return tiff;
}

QByteArray PngClaiming(quint32 width, quint32 height) {
    QByteArray ihdr("IHDR", 4);
    ihdr.append(QByteArray(13, '\0'));
    put32(ihdr, 4, width, true);
    put32(ihdr, 8, height, true);
    ihdr[12] = 8;  // bits per channel
    ihdr[13] = 2;  // RGB
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    auto chunk = [&](const QByteArray& typeAndData) { png += pngChunk(typeAndData); };
    chunk(ihdr);
    // The first row's filter byte and a pixel: libpng reads the header only
    // up to the first data.
    chunk(QByteArray("IDAT", 4) + qCompress(QByteArray(4, '\0')).mid(4));
    chunk(QByteArray("IEND", 4));
    return png;
}

QByteArray WebpClaiming(quint32 width, quint32 height) {
    QByteArray vp8x("VP8X", 4);
    vp8x.append(QByteArray(4 + 10, '\0'));
    put32(vp8x, 4, 10, false);
    for (int i = 0; i < 3; ++i) {
        vp8x[12 + i] = char(((width - 1) >> (8 * i)) & 0xff);
        vp8x[15 + i] = char(((height - 1) >> (8 * i)) & 0xff);
    }
    // The image chunk of a real small WebP after its 12-byte file header.
    const QByteArray image = EncodeImage(QImage(4, 4, QImage::Format_RGB32), "webp").mid(12);
    QByteArray webp = QByteArray("RIFF\0\0\0\0WEBP", 12) + vp8x + image;
    put32(webp, 4, quint32(webp.size() - 8), false);
    return webp;
}

QByteArray TiffClaiming(quint16 width, quint16 height) {
    QImage small(2, 2, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray tiff = EncodeImage(small, "tiff");
    const bool big = tiff.startsWith("MM");
    auto read16 = [&](int at) {
        const uchar* p = reinterpret_cast<const uchar*>(tiff.constData() + at);
        return big ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
    };
    const int directory = int(big ? qFromBigEndian<quint32>(tiff.constData() + 4)
                                  : qFromLittleEndian<quint32>(tiff.constData() + 4));
    constexpr quint16 ImageWidth = 256, ImageLength = 257, Short = 3;
    for (int entry = 0; entry < read16(directory); ++entry) {
        const int at = directory + 2 + 12 * entry;
        const quint16 tag = read16(at);
        if (tag != ImageWidth && tag != ImageLength) continue;
        const quint16 value = tag == ImageWidth ? width : height;
        uchar* p = reinterpret_cast<uchar*>(tiff.data() + at + 8);
        if (read16(at + 2) == Short)
            big ? qToBigEndian(value, p) : qToLittleEndian(value, p);
        else
            put32(tiff, at + 8, value, big);
    }
    return tiff;
}

QByteArray TwoPageTiff(const QImage& first, const QImage& second) {
    QByteArray pages = EncodeImage(first, "tiff");
    QByteArray appended = EncodeImage(second, "tiff");
    if (!pages.startsWith("II") || !appended.startsWith("II")) return QByteArray();
    auto read16 = [](const QByteArray& bytes, quint32 at) {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    };
    auto read32 = [](const QByteArray& bytes, quint32 at) {
        return qFromLittleEndian<quint32>(bytes.constData() + at);
    };
    const quint32 base = quint32(pages.size());
    const quint32 secondDirectory = read32(appended, 4);
    constexpr quint16 StripOffsets = 273;
    for (quint32 i = 0; i < read16(appended, secondDirectory); ++i) {
        const quint32 at = secondDirectory + 2 + 12 * i;
        const quint16 type = read16(appended, at + 2);
        const quint32 size = (type == 3   ? 2
                              : type == 4 ? 4
                              : type == 5 ? 8
                                          : 1) *
                             read32(appended, at + 4);
        // A value kept elsewhere is an offset; so is a single strip's.
        if (size > 4 || read16(appended, at) == StripOffsets)
            put32(appended, int(at + 8), read32(appended, at + 8) + base, false);
    }
    const quint32 firstDirectory = read32(pages, 4);
    put32(pages, int(firstDirectory + 2 + 12 * read16(pages, firstDirectory)),
          base + secondDirectory, false);
    return pages + appended;
}

QByteArray Gzipped(const QByteArray& bytes) {
    z_stream stream{};
    constexpr int GzipWindowBits = 16 + MAX_WBITS;
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, GzipWindowBits, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return QByteArray();
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return status == Z_STREAM_END ? out : QByteArray();
}
