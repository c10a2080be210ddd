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

QByteArray EncodeJpeg(const QImage& source, JpegColours colours, int quality) {
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

QByteArray WithExifThumbnail(const QByteArray& jpeg, const QByteArray& thumbnail) {
    const auto u16 = [](QByteArray& to, quint16 v) {
        to.append(char(v & 0xff)).append(char(v >> 8));
    };
    const auto u32 = [&](QByteArray& to, quint32 v) {
        u16(to, quint16(v));
        u16(to, quint16(v >> 16));
    };
    // Little-endian TIFF: an empty first directory, then the thumbnail's.
    constexpr quint32 FirstDirectory = 8, SecondDirectory = 14, ThumbnailAt = 44;
    QByteArray tiff("II*\0", 4);
    u32(tiff, FirstDirectory);
    u16(tiff, 0);
    u32(tiff, SecondDirectory);
    u16(tiff, 2);
    for (const auto& [tag, value] :
         {std::pair<quint16, quint32>{0x0201, ThumbnailAt}, {0x0202, quint32(thumbnail.size())}}) {
        u16(tiff, tag);
        u16(tiff, 4);  // LONG
        u32(tiff, 1);
        u32(tiff, value);
    }
    u32(tiff, 0);
    tiff += thumbnail;
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xff\xe1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xff));
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}
