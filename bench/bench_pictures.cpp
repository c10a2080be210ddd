// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_pictures.h"

#include <cstdio>
#include <vector>

#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include "support/gif_writer.h"
#include "support/jpeg_writer.h"

namespace {

constexpr int PhotoWidth = 4000, PhotoHeight = 3000;  // 12 megapixels
constexpr int GifSide = 2000;                         // 4 megapixels

QString writeFile(const QString& name, const QByteArray& bytes) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// Smooth gradients with grain of +-`grain` levels, like a photograph.
QImage photoPixels(int grain) {
    QImage image(PhotoWidth, PhotoHeight, QImage::Format_RGB888);
    unsigned seed = 12345;
    for (int y = 0; y < PhotoHeight; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < PhotoWidth; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = int(seed >> 28) * grain / 8 - grain;
            row[3 * x] = uchar(qBound(0, x * 255 / PhotoWidth + noise, 255));
            row[3 * x + 1] = uchar(qBound(0, y * 255 / PhotoHeight + noise, 255));
            row[3 * x + 2] = uchar(qBound(0, (x + y) * 255 / (PhotoWidth + PhotoHeight), 255));
        }
    }
    return image;
}

constexpr int PhotoGrain = 8;
constexpr int LowNoiseGrain = 2;  // a camera at its base sensitivity
// A camera's grain at a higher sensitivity: 4-7 MB for 12 megapixels, as
// camera files are.
constexpr int CameraGrain = 24;
constexpr QSize CameraThumbnail(512, 384);

const QImage& photoPixels() {
    static const QImage photo = photoPixels(PhotoGrain);
    return photo;
}

}  // namespace

const QString& PhotoJpeg() {
    static const QString path =
        writeFile("photo.jpg", EncodeJpeg(photoPixels(), JpegColours::Rgb, 90));
    return path;
}

const QString& LowNoisePhotoJpeg() {
    static const QString path = writeFile(
        "low-noise-photo.jpg", EncodeJpeg(photoPixels(LowNoiseGrain), JpegColours::Rgb, 90));
    return path;
}

const QString& CameraJpeg() {
    static const QString path = [] {
        const QImage photo = photoPixels(CameraGrain);
        const QImage thumbnail =
            photo.scaled(CameraThumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return writeFile("camera.jpg",
                         WithExifThumbnail(EncodeJpeg(photo, JpegColours::Rgb, 90),
                                           EncodeJpeg(thumbnail, JpegColours::Rgb, 90)));
    }();
    return path;
}

const QString& PhotoPng() {
    static const QString path = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(photoPixels());
        return writeFile("photo.png", bytes);
    }();
    return path;
}

const QString& LargeGif() {
    static const QString path = [] {
        QList<QRgb> palette;
        for (int i = 0; i < 256; ++i) palette << qRgb(i, 255 - i, (i * 7) & 255);
        GifFrame frame;
        frame.size = QSize(GifSide, GifSide);
        frame.indexes.reserve(qsizetype(GifSide) * GifSide);
        for (int y = 0; y < GifSide; ++y)
            for (int x = 0; x < GifSide; ++x) frame.indexes << uchar((x / 16 + y / 16) & 255);
        return writeFile("large.gif", EncodeGif(frame.size, palette, {frame}));
    }();
    return path;
}

void BareJpegDecode(const QByteArray& name, int scaleDenominator) {
    FILE* file = std::fopen(name.constData(), "rb");
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = unsigned(scaleDenominator);
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * 3;
    std::vector<unsigned char> pixels(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    benchmark::DoNotOptimize(pixels.data());
}
