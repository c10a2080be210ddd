// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the starting corpus of each fuzzer: small valid files of every
// kind the tests make.

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include "support/album_art_writer.h"
#include "support/gif_writer.h"
#include "support/icon_builder.h"
#include "support/image_encoding.h"
#include "support/jpeg_writer.h"
#include "support/metafile_builder.h"

namespace {

void write(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// An EMF+ drawing with an object of each kind and a record of each drawing
// family: where the EMF+ reader's counts, sizes and object parts are.
QByteArray emfPlusSample(const QByteArray& png) {
    const auto floats = [](std::initializer_list<float> values) {
        Fields f;
        for (float v : values) f.f32(v);
        return f.data();
    };
    constexpr qint64 Version = 0xDBC01002;
    const QByteArray solid = Fields().u32(Version).u32(0).u32(0xFF20A040).data();
    Fields path;
    path.u32(Version).u32(4).u32(0).bytes(floats({10, 10, 90, 10, 90, 90, 10, 90}));
    path.bytes(QByteArray("\x00\x01\x03\x83", 4));
    Fields pen;
    pen.u32(Version).u32(0).u32(0x13E).u32(0).f32(3);
    pen.u32(2).u32(2).u32(1).f32(4).u32(5).u32(2).bytes(floats({2, 1}));
    pen.bytes(Fields().u32(Version).u32(1).u32(3).u32(0xFF0000FF).u32(0xFFFFFF00).data());
    Fields gradient;
    gradient.u32(Version).u32(4).u32(0x0A).u32(0).bytes(floats({0, 0, 50, 50}));
    gradient.u32(0xFFFF0000).u32(0xFF0000FF).u32(0).u32(0).bytes(floats({1, 0.5f, 0, 1, 5, 5}));
    gradient.u32(2).bytes(floats({0, 1, 0, 1}));
    Fields radial;
    radial.u32(Version).u32(3).u32(0).u32(0).u32(0xFFFFFFFF).bytes(floats({50, 50}));
    radial.u32(1).u32(0xFF008000).u32(3).bytes(floats({50, 0, 100, 100, 0, 100}));
    Fields image;
    image.u32(Version).u32(1).u32(8).u32(8).u32(0).u32(0x0026200A).u32(1).bytes(png);
    Fields pixels;
    pixels.u32(Version).u32(1).u32(2).u32(2).u32(8).u32(0x00022009).u32(0);
    pixels.u32(0xFFFF0000).u32(0xFF00FF00).u32(0xFF0000FF).u32(0xFFFFFFFF);
    Fields region;
    region.u32(Version).u32(3).u32(1).u32(0x10000000).bytes(floats({0, 0, 60, 60}));
    region.u32(0x10000001).u32(path.data().size()).bytes(path.data());
    Fields font;
    font.u32(Version).f32(12).u32(3).u32(1).u32(0).u32(5).u16('A').u16('r').u16('i').u16('a').u16('l');
    const QByteArray text = QByteArray("S\0l\0e\0e\0v\0", 10);
    EmfPlusRecords plus;
    plus.record(0x4030, 2, Fields().f32(1))
        .record(0x4008, 0x0100, Fields().bytes(solid))
        .record(0x4008, 0x0300 | 1, path)
        .record(0x4008, 0x8000 | 0x0200 | 2, Fields().u32(pen.data().size()).bytes(pen.data().left(24)))
        .record(0x4008, 0x0200 | 2, Fields().bytes(pen.data().mid(24)))
        .record(0x4008, 0x0100 | 3, gradient)
        .record(0x4008, 0x0100 | 4, radial)
        .record(0x4008, 0x0500 | 5, image)
        .record(0x4008, 0x0500 | 6, pixels)
        .record(0x4008, 0x0400 | 7, region)
        .record(0x4008, 0x0600 | 8, font)
        .record(0x4027, 0x0200, Fields().bytes(floats({0, 0, 100, 100, 0, 0, 200, 200})).u32(1))
        .record(0x402F, 0x2000, Fields().f32(10))
        .record(0x4032, 0x0100, Fields().bytes(floats({0, 0, 180, 180})))
        .record(0x4014, 1, Fields().u32(3))
        .record(0x4015, 1, Fields().u32(2))
        .record(0x400A, 0x4000, Fields().u32(4).u32(1).u16(5).u16(5).u16(40).u16(40))
        .record(0x4010, 0x8000, Fields().u32(0xFFFF8000).f32(30).f32(120).bytes(floats({100, 100, 60, 60})))
        .record(0x4012, 2, Fields().f32(0).f32(270).bytes(floats({20, 100, 60, 60})))
        .record(0x4016, 0x8000 | 0x0800, Fields().u32(0xFF0000FF).f32(0.5f).u32(3).bytes(QByteArray("\x10\x10\x20\x00\x70\x20", 6)))
        .record(0x4018, 2, Fields().f32(0.5f).u32(0).u32(2).u32(3).bytes(floats({10, 150, 50, 120, 90, 170})))
        .record(0x4019, 2, Fields().u32(4).bytes(floats({10, 10, 40, 80, 80, 0, 120, 60})))
        .record(0x4013, 0x8000 | 7, Fields().u32(0x8000FF00))
        .record(0x4034, 0x0300 | 7)
        .record(0x4035, 0, Fields().bytes(floats({5, 5})))
        .record(0x401A, 5, Fields().u32(0).u32(2).bytes(floats({0, 0, 8, 8, 120, 10, 40, 40})))
        .record(0x401B, 6, Fields().u32(0).u32(2).bytes(floats({0, 0, 2, 2})).u32(3).bytes(floats({130, 130, 170, 140, 120, 170})))
        .record(0x4031, 0)
        .record(0x401C, 0x8000 | 8, Fields().u32(0xFF000000).u32(99).u32(5).bytes(floats({10, 170, 100, 20})).bytes(text))
        .record(0x4036, 0x8000 | 8, Fields().u32(0xFF000000).u32(1).u32(0).u32(5).bytes(text).bytes(floats({10, 190, 20, 190, 30, 190, 40, 190, 50, 190})))
        .record(0x4029, 0, Fields().u32(1))
        .record(0x400D, 0x2000 | 2, Fields().u32(3).bytes(floats({5, 5, 195, 5, 100, 195})));
    return EmfBuilder().record(70, plus.comment()).build();
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
    // A turned photo with a colour profile: the Exif and ICC readers.
    write(root + "/jpeg", "turned-profiled.jpg",
          WithExif(
              WithIccProfile(EncodeJpeg(picture), QColorSpace(QColorSpace::AdobeRgb).iccProfile()),
              ExifBlock(6)));

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

    // Small metafiles of each record family, beside the reference files.
    EmfBuilder emf;
    emf.record(17, {8}).record(9, {10, 10}).record(11, {1000, 1000});  // anisotropic
    emf.record(39, {1, 2, 0x00FF00, 3}).record(37, {1});               // hatched brush
    emf.record(38, {2, 1, 3, 0, 0x0000FF}).record(37, {2});            // dashed pen
    emf.record(33, {}).record(30, {1, 1, 8, 8}).record(43, {0, 0, 9, 9}).record(34, {-1});
    emf.record(42, {2, 2, 6, 6}).record(47, {1, 1, 9, 9, 9, 5, 5, 1});
    emf.record(59, {}).record(27, {1, 1}).record(54, {5, 5}).record(60, {}).record(63, {});
    write(root + "/metafile", "shapes.emf", emf.build());
    Fields dib;
    dib.u32(0).u32(0).u32(0).u32(0).u32(10).u32(10).u32(0).u32(0).u32(2).u32(2);
    const QByteArray bitmap = TwoByTwoDib(8);
    dib.u32(80).u32(40 + 1024).u32(80 + 40 + 1024).u32(bitmap.size() - 40 - 1024);
    dib.u32(0).u32(0x00CC0020).u32(50).u32(50).bytes(bitmap);
    write(root + "/metafile", "bitmap.emf", EmfBuilder().record(81, dib).build());
    WmfBuilder wmf;
    wmf.record(0x020C, {100, 100})
        .record(0x041B, {75, 75, 25, 25})
        .record(0x0418, {90, 90, 60, 60});
    write(root + "/metafile", "shapes.wmf", wmf.build(QRect(0, 0, 100, 100), 96));
    for (const auto& [name, bytes] : MetafileSamples()) write(root + "/metafile", name, bytes);
    write(root + "/metafile", "emf_plus.emf", emfPlusSample(encoded(sample(8, 8), "png")));
    write(root + "/icon", "large.ico", encoded(sample(32, 32), "ico"));
    // Several entries, bitmap and PNG, several pointing at one image.
    write(root + "/icon", "entries.ico",
          BuildIcon({{sample(16, 16), false}, {sample(32, 32), true}, {sample(24, 24), false}}));
    write(root + "/icon", "repeated.ico", BuildIconRepeating({sample(8, 8), true}, 40));

    // PNG, WebP and TIFF in the kinds of pixels each holds.
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    write(root + "/png", "alpha.png", EncodeImage(picture, "png"));
    write(root + "/png", "palette.png",
          EncodeImage(opaque.convertToFormat(QImage::Format_Indexed8), "png"));
    write(root + "/png", "grey.png",
          EncodeImage(opaque.convertToFormat(QImage::Format_Grayscale8), "png"));
    write(root + "/png", "deep.png",
          EncodeImage(picture.convertToFormat(QImage::Format_RGBA64), "png"));
    {
        QImage profiled = opaque;
        profiled.setColorSpace(QColorSpace::DisplayP3);
        write(root + "/png", "turned-profiled.png",
              WithPngChunk(EncodeImage(profiled, "png"), "eXIf", ExifBlock(8)));
    }
    write(root + "/webp", "lossless.webp", EncodeImage(picture, "webp"));
    {
        QByteArray lossy;
        QBuffer buffer(&lossy);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "webp");
        writer.setQuality(50);
        writer.write(opaque);
        write(root + "/webp", "lossy.webp", lossy);
    }
    write(root + "/tiff", "rgb.tif", EncodeImage(opaque, "tiff"));
    write(root + "/tiff", "alpha.tif", EncodeImage(picture, "tiff"));
    write(root + "/tiff", "mono.tif",
          EncodeImage(opaque.convertToFormat(QImage::Format_Mono), "tiff"));
    write(root + "/tiff", "pages.tif", TwoPageTiff(opaque, sample(9, 9)));

    // Drawings using what QtSvg draws: shapes, paths, gradients, text,
    // reuse, transforms, styles and a carried image.
    const QByteArray drawing =
        "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
        "width='40' height='30' viewBox='0 0 40 30'><defs>"
        "<linearGradient id='g'><stop offset='0' stop-color='red'/>"
        "<stop offset='1' stop-color='blue' stop-opacity='0.5'/></linearGradient>"
        "<radialGradient id='r' cx='.5' cy='.5' r='.5'><stop offset='0' stop-color='#fff'/>"
        "<stop offset='1' stop-color='#030'/></radialGradient>"
        "<g id='dot'><circle r='2' fill='url(#r)'/></g>"
        "<style>.s{stroke:#0a0;stroke-width:1.5;stroke-dasharray:2 1}</style></defs>"
        "<rect x='1' y='1' width='20' height='10' rx='2' fill='url(#g)' class='s'/>"
        "<path d='M2,20 C10,10 20,30 30,20 S38,5 39,15 Z' fill='none' stroke='black'/>"
        "<polygon points='5,25 9,29 1,29' fill='#fc0'/><ellipse cx='30' cy='8' rx='6' ry='3'/>"
        "<use xlink:href='#dot' x='25' y='25' transform='rotate(15)'/>"
        "<text x='2' y='28' font-family='arial' font-size='6'>Side A</text>"
        "<image x='30' y='20' width='8' height='8' xlink:href='data:image/png;base64," +
        EncodeImage(sample(4, 4), "png").toBase64() + "'/></svg>";
    write(root + "/svg", "drawing.svg", drawing);
    write(root + "/svg", "drawing.svgz", Gzipped(drawing));
    write(root + "/svg", "linked.svg",
          "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
          "width='8' height='8'><image width='8' height='8' xlink:href='other.png'/></svg>");
    write(root + "/svg", "entities.svg",
          "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY a 'fill:red'>]>"
          "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
          "<rect width='4' height='4' style='&a;'/></svg>");

    // Audio files of each kind with a cover, behind the byte that picks
    // the kind.
    const AudioKind kinds[] = {AudioKind::Mp3, AudioKind::Flac, AudioKind::OggVorbis,
                               AudioKind::Opus, AudioKind::M4a};
    const QString scratch = root + "/audio-scratch";
    QDir().mkpath(scratch);
    for (int i = 0; i < 5; ++i) {
        const QString path = scratch + "/song." + ExtensionOf(kinds[i]);
        const QByteArray cover = EncodeImage(sample(6, 4), "png");
        if (!WriteAudioWithArt(path, kinds[i], {{cover}, {cover, "image/png", 4}})) continue;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            write(root + "/album_art", "song." + ExtensionOf(kinds[i]), char(i) + file.readAll());
    }
    QDir(scratch).removeRecursively();
    // Track lists as rippers, players and people write them, and a cover.
    write(root + "/cue_sheet", "album.cue",
          "PERFORMER \"The Band\"\nTITLE \"Live\"\nFILE \"album.flac\" WAVE\n"
          "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
          "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    PERFORMER \"Guest\"\n"
          "    INDEX 00 03:10:00\n    INDEX 01 03:12:40\n");
    write(root + "/playlist", "mix.m3u",
          "#EXTM3U\n#PLAYLIST:Mix\n#EXTINF:185,The Band - One\nmusic/01 one.flac\n"
          "#EXTINF:-1 tvg-name=\"a, b\",Two\nhttp://radio.example/stream\nC:\\x\\03.mp3\n");
    write(root + "/text_list", "list.txt", "1. Alpha\r\n02 Beta\n\n3) Gamma (3:05)\n");
    write(root + "/cover_document", "cover.sleevix",
          R"({"format": "sleevix-cover", "version": 1, "tracks": ["1. One", "2. Two"],
              "artist": "A", "title": "T", "committed": true, "layout": "centred",
              "back": {"typeface": "", "color": "#000000", "picture": "art/back.jpg"},
              "front": {"typeface": "Liberation Serif", "color": "#aa0000", "picture": null},
              "outlines": {"fold": true, "back": true, "front": false, "color": "#000000"},
              "noFrontText": false, "turnSpinesOtherWay": false})");
    return 0;
}
