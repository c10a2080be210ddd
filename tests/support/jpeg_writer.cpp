// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; this one returns to the
// writer, which then gives no bytes and the test fails on them.
struct RecoveringErrors {
    jpeg_error_mgr library{};
    std::jmp_buf recovery{};
};

[[noreturn]] void jumpToRecovery(j_common_ptr info) {
    std::longjmp(reinterpret_cast<RecoveringErrors*>(info->err)->recovery, 1);
}

}  // namespace

QByteArray EncodeJpeg(const QImage& source, JpegColours colours, int quality, bool progressive) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    RecoveringErrors errors;
    info.err = jpeg_std_error(&errors.library);
    errors.library.error_exit = jumpToRecovery;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<unsigned char> row(size_t(image.width()) * 4);
    if (setjmp(errors.recovery)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return QByteArray();
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    const bool cmyk = colours == JpegColours::CmykAdobe || colours == JpegColours::CmykPlain;
    info.input_components = colours == JpegColours::Grey ? 1 : cmyk ? 4 : 3;
    info.in_color_space = colours == JpegColours::Grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (cmyk) info.write_Adobe_marker = colours == JpegColours::CmykAdobe;
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const uchar* rgb = image.constScanLine(int(info.next_scanline));
        for (int x = 0; x < image.width(); ++x) {
            const int r = rgb[3 * x], g = rgb[3 * x + 1], b = rgb[3 * x + 2];
            if (colours == JpegColours::Grey) {
                row[x] = uchar(qGray(r, g, b));
            } else if (cmyk) {
                // Ink without black; Adobe's files store the inverse.
                const int ink[4] = {255 - r, 255 - g, 255 - b, 0};
                for (int c = 0; c < 4; ++c)
                    row[4 * x + c] =
                        uchar(colours == JpegColours::CmykAdobe ? 255 - ink[c] : ink[c]);
            } else {
                row[3 * x] = uchar(r), row[3 * x + 1] = uchar(g), row[3 * x + 2] = uchar(b);
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray JpegHeaderClaiming(int width, int height) {
    // A valid small file whose frame header is patched to the claimed size.
    QImage tiny(8, 8, QImage::Format_RGB888);
    tiny.fill(Qt::gray);
    QByteArray bytes = EncodeJpeg(tiny);
    for (qsizetype i = 0; i + 8 < bytes.size(); ++i) {
        if (uchar(bytes[i]) == 0xFF && uchar(bytes[i + 1]) == 0xC0) {  // start of frame
            bytes[i + 5] = char(height >> 8), bytes[i + 6] = char(height & 0xFF);
            bytes[i + 7] = char(width >> 8), bytes[i + 8] = char(width & 0xFF);
            break;
        }
    }
    return bytes;
}

namespace {

// Little-endian bytes of a value.
QByteArray le(quint32 value, int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i) bytes.append(char(value >> (8 * i)));
    return bytes;
}
// A directory entry of one SHORT (3) or LONG (4) value; a SHORT sits first in its field.
QByteArray entry(quint16 tag, quint16 type, quint32 value) {
    return le(tag, 2) + le(type, 2) + le(1, 4) + le(value, type == 3 ? 2 : 4) +
           le(0, type == 3 ? 2 : 0);
}

// A marker segment: the marker, its length, its payload.
QByteArray segment(char marker, const QByteArray& payload) {
    const int length = int(payload.size()) + 2;
    QByteArray bytes("\xff", 1);
    bytes.append(marker).append(char(length >> 8)).append(char(length & 0xff));
    return bytes + payload;
}

}  // namespace

QByteArray ExifBlock(int orientation, const QByteArray& thumbnail) {
    const quint32 photoEntries = orientation ? 1 : 0;
    const quint32 secondDirectory = 8 + 2 + 12 * photoEntries + 4;
    QByteArray tiff = QByteArray("II*\0", 4) + le(8, 4) + le(photoEntries, 2);
    if (orientation) tiff += entry(0x0112, 3, quint32(orientation));
    tiff += le(thumbnail.isEmpty() ? 0 : secondDirectory, 4);
    if (thumbnail.isEmpty()) return tiff;
    const quint32 thumbnailAt = secondDirectory + 2 + 2 * 12 + 4;
    return tiff + le(2, 2) + entry(0x0201, 4, thumbnailAt) +
           entry(0x0202, 4, quint32(thumbnail.size())) + le(0, 4) + thumbnail;
}

QByteArray WithExif(const QByteArray& jpeg, const QByteArray& exif) {
    return jpeg.left(2) + segment('\xe1', QByteArray("Exif\0\0", 6) + exif) + jpeg.mid(2);
}

QByteArray WithExifThumbnail(const QByteArray& jpeg, const QByteArray& thumbnail) {
    return WithExif(jpeg, ExifBlock(0, thumbnail));
}

QByteArray WithIccProfile(const QByteArray& jpeg, const QByteArray& profile) {
    constexpr qsizetype MostPerMarker = 65519;  // a marker's payload less the ICC header
    const qsizetype count = (profile.size() + MostPerMarker - 1) / MostPerMarker;
    QByteArray markers;
    for (qsizetype i = 0; i < count; ++i) {
        QByteArray payload("ICC_PROFILE\0", 12);
        payload.append(char(i + 1)).append(char(count));
        markers += segment('\xe2', payload + profile.mid(i * MostPerMarker, MostPerMarker));
    }
    return jpeg.left(2) + markers + jpeg.mid(2);
}

QByteArray RepeatedLastScan(int repeats) {
    QImage grey(2000, 2000, QImage::Format_RGB32);
    grey.fill(Qt::gray);
    const QByteArray jpeg = EncodeJpeg(grey, JpegColours::Rgb, 90, true);
    const qsizetype lastScan = jpeg.lastIndexOf("\xff\xda");
    const QByteArray scan = jpeg.mid(lastScan, jpeg.size() - 2 - lastScan);
    return jpeg.left(lastScan) + scan.repeated(repeats) + "\xff\xd9";
}
