// Writes the starting corpus of each fuzzer: small valid files of every
// kind the tests make.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include "support/gif_writer.h"
#include "support/jpeg_writer.h"

namespace {

void write(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

QImage sample(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(1, 1, width / 2, height / 2, QColor(200, 30, 40));
    painter.fillRect(width / 3, height / 3, width / 2, height / 2, QColor(20, 90, 200, 160));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("corpus");
    const QImage picture = sample(24, 16);

    write(root + "/jpeg", "rgb.jpg", EncodeJpeg(picture));
    write(root + "/jpeg", "grey.jpg", EncodeJpeg(picture, JpegColours::Grey));
    write(root + "/jpeg", "cmyk.jpg", EncodeJpeg(picture, JpegColours::CmykAdobe));
    write(root + "/jpeg", "low.jpg", EncodeJpeg(picture, JpegColours::Rgb, 20));

    const QList<QRgb> palette = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    write(root + "/gif", "full.gif", EncodeGif({6, 5}, palette, {PatternFrame({6, 5}, 4)}));
    write(root + "/gif", "offset.gif",
          EncodeGif({10, 8}, palette, {SolidFrame({3, 2}, 2, {4, 5})}, true));
    GifFrame interlaced = PatternFrame({5, 11}, 4);
    interlaced.interlaced = true;
    interlaced.localPalette = {qRgb(1, 2, 3), qRgb(4, 5, 6)};
    write(root + "/gif", "interlaced.gif", EncodeGif({5, 11}, palette, {interlaced}));
    write(root + "/gif", "animated.gif",
          EncodeGif({4, 4}, palette, {SolidFrame({4, 4}, 0), SolidFrame({2, 2}, 1)}));

    for (auto format : {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB888,
                        QImage::Format_ARGB32})
        write(root + "/bitmap", QStringLiteral("sample%1.bmp").arg(int(format)),
              encoded(picture.convertToFormat(format), "bmp"));

    write(root + "/icon", "small.ico", encoded(sample(16, 16), "ico"));
    write(root + "/icon", "large.ico", encoded(sample(32, 32), "ico"));
    return 0;
}
