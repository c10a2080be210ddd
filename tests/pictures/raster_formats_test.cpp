// SPDX-License-Identifier: GPL-3.0-or-later
// PNG, WebP and TIFF through the loader: natural sizes, colours,
// transparency on white, and the limits every format obeys; with JPEG,
// orientation tags and colour profiles.

#include <gtest/gtest.h>
#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>

#include "pictures/picture_files.h"
#include "pictures/picture_loader.h"
#include "support/image_difference.h"
#include "support/image_encoding.h"
#include "support/jpeg_writer.h"
#include "support/qt_printers.h"

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    const QByteArray bytes = EncodeImage(image, format);
    EXPECT_FALSE(bytes.isEmpty()) << "Qt cannot write " << format;
    return bytes;
}

// Four opaque quarters (red, green, blue, yellow) around a transparent and
// a half-transparent black square.
QImage quarters(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    painter.fillRect(width / 4, height / 4, width / 8, height / 8, Qt::transparent);
    painter.fillRect(width / 2 + 1, height / 4, width / 8, height / 8, QColor(0, 0, 0, 128));
    return image;
}

QImage opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

struct Format {
    const char* writer;
    const char* extension;
    const char* invalid;
};
const Format EveryRasterFormat[] = {
    {"png", "png", "PNG image is not valid"},
    {"webp", "webp", "WebP image is not valid"},
    {"tiff", "tif", "TIFF image is not valid"},
    {"tiff", "tiff", "TIFF image is not valid"},
};

bool near(QRgb a, QRgb b, int tolerance = 2) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace

class RasterFormats : public ::testing::Test {
  protected:
    PictureFiles files;
};

TEST_F(RasterFormats, EachLoadsItsNaturalSizeAndColoursWithTransparencyOnWhite) {
    const QImage picture = quarters(64, 48);
    for (const Format& format : EveryRasterFormat) {
        SCOPED_TRACE(format.extension);
        const auto loaded = LoadPictureBitmap(files.write(
            QStringLiteral("quarters.%1").arg(format.extension), encoded(picture, format.writer)));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->width(), 64);
        EXPECT_EQ(loaded->height(), 48);
        const QImage& pixels = loaded->pixels();
        EXPECT_FALSE(pixels.hasAlphaChannel());
        EXPECT_TRUE(near(pixels.pixel(4, 4), qRgb(255, 0, 0)));
        EXPECT_TRUE(near(pixels.pixel(60, 4), qRgb(0, 255, 0)));
        EXPECT_TRUE(near(pixels.pixel(4, 44), qRgb(0, 0, 255)));
        EXPECT_TRUE(near(pixels.pixel(60, 44), qRgb(255, 255, 0)));
        EXPECT_TRUE(near(pixels.pixel(17, 13), qRgb(255, 255, 255)));     // transparent: white
        EXPECT_TRUE(near(pixels.pixel(35, 13), qRgb(127, 127, 127), 3));  // half black on white
    }
}

TEST_F(RasterFormats, OpaquePicturesKeepTheFormatTheyWereReadIn) {
    QImage grey(10, 6, QImage::Format_Grayscale8);
    grey.fill(90);
    const auto png = LoadPictureBitmap(files.write("grey.png", encoded(grey, "png")));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->pixels().format(), QImage::Format_Grayscale8);
    EXPECT_EQ(png->bitsPerPixel(), 8);

    const QImage palette = opaque(quarters(8, 8)).convertToFormat(QImage::Format_Indexed8);
    const auto indexed = LoadPictureBitmap(files.write("palette.png", encoded(palette, "png")));
    ASSERT_TRUE(indexed);
    EXPECT_EQ(indexed->bitsPerPixel(), 8);
    EXPECT_EQ(indexed->pixels().pixel(1, 1), qRgb(255, 0, 0));
}

TEST_F(RasterFormats, ExtensionsCompareWithoutCaseAndTheFirstImageOfAFileIsShown) {
    const QByteArray png = encoded(quarters(8, 8), "png");
    EXPECT_EQ(LoadErrorOf(files.write("upper.PNG", png)), "(no error)");
    EXPECT_EQ(LoadErrorOf(files.write("upper.TiF", encoded(quarters(8, 8), "tiff"))), "(no error)");

    // Two pages: the first is the picture.
    QImage first(6, 6, QImage::Format_RGB32), second(9, 9, QImage::Format_RGB32);
    first.fill(Qt::red);
    second.fill(Qt::blue);
    QByteArray pages = TwoPageTiff(first, second);
    QBuffer check(&pages);
    check.open(QIODevice::ReadOnly);
    ASSERT_EQ(QImageReader(&check, "tiff").imageCount(), 2);
    const auto loaded = LoadPictureBitmap(files.write("pages.tif", pages));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->width(), 6);
    EXPECT_EQ(loaded->pixels().pixel(3, 3), qRgb(255, 0, 0));
}

TEST_F(RasterFormats, HugeClaimedSizesAreRefusedBeforeAnyPixelsAreAllocated) {
    EXPECT_EQ(LoadErrorOf(files.write("huge.png", PngClaiming(60000, 60000))),
              "Picture is too large (60000 x 60000)");
    EXPECT_EQ(LoadErrorOf(files.write("wide.png", PngClaiming(16385, 10))),
              "Picture is too large (16385 x 10)");
    EXPECT_EQ(LoadErrorOf(files.write("huge.webp", WebpClaiming(60000, 60000))),
              "Picture is too large (60000 x 60000)");
    EXPECT_EQ(LoadErrorOf(files.write("huge.tif", TiffClaiming(60000, 60000))),
              "Picture is too large (60000 x 60000)");
    // Within each side's limit, beyond the pixels'.
    EXPECT_EQ(LoadErrorOf(files.write("square.png", PngClaiming(12000, 12000))),
              "Picture is too large (12000 x 12000)");
}

TEST_F(RasterFormats, TruncatedAndEmptyFilesFailWithTheirFormatsMessageOrLoadAsFarAsTheyGo) {
    const QImage picture = opaque(quarters(64, 64));
    for (const Format& format : EveryRasterFormat) {
        SCOPED_TRACE(format.extension);
        const QByteArray whole = encoded(picture, format.writer);
        EXPECT_EQ(LoadErrorOf(files.write(QStringLiteral("empty.%1").arg(format.extension), {})),
                  format.invalid);
        EXPECT_EQ(LoadErrorOf(
                      files.write(QStringLiteral("head.%1").arg(format.extension), whole.left(12))),
                  format.invalid);
        // Every cut either fails with the format's message or loads at the
        // file's size; none crashes or hangs.
        for (qsizetype cut = 16; cut < whole.size();
             cut += std::max<qsizetype>(1, whole.size() / 23)) {
            const QString error = LoadErrorOf(
                files.write(QStringLiteral("cut.%1").arg(format.extension), whole.left(cut)));
            EXPECT_TRUE(error == "(no error)" || error == format.invalid)
                << cut << ": " << qPrintable(error);
        }
    }
}

TEST_F(RasterFormats, ADecompressionBombWithinTheLimitsLoadsAndOneBeyondIsRefusedAtOnce) {
    // A few kilobytes that unpack to the full pixel limit's side.
    QImage wide(16384, 600, QImage::Format_RGB32);
    wide.fill(Qt::white);
    const QByteArray png = encoded(wide, "png");
    ASSERT_LT(png.size(), 100 * 1024);
    const auto loaded = LoadPictureBitmap(files.write("wide.png", png));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->width(), 16384);

    EXPECT_EQ(LoadErrorOf(files.write("bomb.png", PngClaiming(16384, 16384))),
              "Picture is too large (16384 x 16384)");
}

TEST_F(RasterFormats, ReadForAScreenAreaAPhotoKeepsOnlyThePixelsThatCoverItLookingTheSame) {
    // Smooth gradients, as a photograph has.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 1600, y * 255 / 1200, 124 + (x * 7 + y * 13) % 9));
    const QSize area(442, 353);
    for (const Format& format : EveryRasterFormat) {
        SCOPED_TRACE(format.extension);
        const QString path = files.write(QStringLiteral("photo.%1").arg(format.extension),
                                         encoded(photo, format.writer));
        const auto screen = LoadPictureBitmap(path, area);
        const auto full = LoadPictureBitmap(path);
        ASSERT_TRUE(screen && full);
        EXPECT_EQ(QSize(screen->width(), screen->height()), QSize(1600, 1200));
        EXPECT_LT(screen->pixels().width(), 1600 / 3);
        EXPECT_GE(screen->pixels().width(), area.width());
        EXPECT_GE(screen->pixels().height(), area.height());
        QImage shown(area, QImage::Format_RGB32), fromFull(area, QImage::Format_RGB32);
        for (auto [target, source] : {std::pair{&shown, &*screen}, std::pair{&fromFull, &*full}}) {
            QPainter painter(target);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target->rect(), source->pixels());
        }
        EXPECT_LE(LargestChannelRmse(shown, fromFull), 2.0);
    }
}

TEST_F(RasterFormats, EveryPhotoFormatStandsAsItsOrientationTagSaysAtItsUprightSize) {
    const QImage stored = opaque(quarters(40, 30));
    const QRgb r = qRgb(255, 0, 0), g = qRgb(0, 255, 0), b = qRgb(0, 0, 255), y = qRgb(255, 255, 0);
    // By tag value: the upright picture's top-left, top-right and bottom-left colours.
    const QRgb corners[9][3] = {{},        {r, g, b}, {g, r, y}, {y, b, g}, {b, y, r},
                                {r, b, g}, {b, r, y}, {y, g, b}, {g, y, r}};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QByteArray exif = ExifBlock(orientation);
        const std::pair<const char*, QByteArray> tagged[] = {
            {"jpg", WithExif(EncodeJpeg(stored), exif)},
            {"png", WithPngChunk(encoded(stored, "png"), "eXIf", exif)},
            {"webp", WithWebpExif(encoded(stored, "webp"), stored.size(), exif)},
            {"tif", TiffOriented(stored, orientation)},
        };
        for (const auto& [extension, bytes] : tagged) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(extension).arg(orientation).toStdString());
            const auto loaded =
                LoadPictureBitmap(files.write(QStringLiteral("turned.%1").arg(extension), bytes));
            ASSERT_TRUE(loaded);
            const QSize upright = orientation >= 5 ? QSize(30, 40) : QSize(40, 30);
            EXPECT_EQ(QSize(loaded->width(), loaded->height()), upright);
            const QImage& pixels = loaded->pixels();
            ASSERT_EQ(pixels.size(), upright);
            const int right = upright.width() - 3, bottom = upright.height() - 3;
            EXPECT_TRUE(near(pixels.pixel(2, 2), corners[orientation][0], 12));
            EXPECT_TRUE(near(pixels.pixel(right, 2), corners[orientation][1], 12));
            EXPECT_TRUE(near(pixels.pixel(2, bottom), corners[orientation][2], 12));
        }
    }
    // Decoded smaller for a screen area, a turned JPEG covers the area as it stands.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    const auto screen = LoadPictureBitmap(
        files.write("portrait.jpg", WithExif(EncodeJpeg(photo), ExifBlock(6))), QSize(300, 400));
    ASSERT_TRUE(screen);
    EXPECT_EQ(QSize(screen->width(), screen->height()), QSize(1200, 1600));
    EXPECT_EQ(screen->pixels().size(), QSize(300, 400));
}

namespace {
// Every hue at several saturations and lightnesses, many beyond sRGB's
// reach in a wider space.
QImage hues() {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           QColor::fromHsv(x * 359 / 63, 40 + y % 8 * 30, 255 - y / 8 * 35).rgb());
    return image;
}

// The colour-managed reference: the pixels, taken to be in the profile's
// colour space, as lcms2's own TIFF tool converts them to sRGB (relative
// colorimetric); null when it did not run.
QImage lcmsToSrgb(const QImage& pixels, const QByteArray& profile) {
    QTemporaryDir folder;
    QImage tagged = pixels.convertToFormat(QImage::Format_RGB888);
    tagged.setColorSpace(QColorSpace::fromIccProfile(profile));  // Qt's writer embeds it
    if (!tagged.save(folder.filePath("in.tif"), "tiff") ||
        QProcess::execute("tificc", {"-t1", folder.filePath("in.tif"), folder.filePath("out.tif")}))
        return QImage();
    return QImage(folder.filePath("out.tif"), "tiff").convertToFormat(QImage::Format_RGB32);
}
constexpr double MostRmse = 0.005 * 255;  // off lcms2's own conversion, in levels
}  // namespace

TEST_F(RasterFormats, EmbeddedProfilesAndPngGammaAreConvertedToSrgbAsLcmsConvertsThem) {
    const QImage colours = hues();
    const QByteArray jpeg = EncodeJpeg(colours);
    const auto decodedJpeg = LoadPictureBitmap(files.write("plain.jpg", jpeg));
    ASSERT_TRUE(decodedJpeg);
    QByteArray gamma(4, '\0');
    qToBigEndian(quint32(55556), gamma.data());  // 1/1.8, no chromaticities: sRGB's primaries
    struct Case {
        QString name;
        QByteArray bytes;
        QImage stored;
        QByteArray profile;  // what lcms2 is told the stored pixels are in
    };
    std::vector<Case> cases = {{"gamma.png", WithPngChunk(encoded(colours, "png"), "gAMA", gamma),
                                colours,
                                QColorSpace(QColorSpace::Primaries::SRgb, 1.8f).iccProfile()}};
    for (const auto space :
         {QColorSpace::AdobeRgb, QColorSpace::DisplayP3, QColorSpace::ProPhotoRgb}) {
        QImage tagged = colours;
        tagged.setColorSpace(space);
        const QByteArray profile = tagged.colorSpace().iccProfile();
        for (const char* format : {"png", "webp", "tiff"})
            cases.push_back({QStringLiteral("%1.%2").arg(int(space)).arg(format),
                             encoded(tagged, format), colours, profile});
        // JPEG: held to lcms2's conversion of the very pixels decoded.
        cases.push_back({QStringLiteral("%1.jpg").arg(int(space)), WithIccProfile(jpeg, profile),
                         decodedJpeg->pixels(), profile});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QImage reference = lcmsToSrgb(c.stored, c.profile);
        ASSERT_FALSE(reference.isNull()) << "tificc (liblcms2-utils) did not run";
        EXPECT_GT(LargestChannelRmse(c.stored, reference), 8 * MostRmse);  // far off unconverted
        const auto loaded = LoadPictureBitmap(files.write(c.name, c.bytes));
        ASSERT_TRUE(loaded);
        EXPECT_LT(LargestChannelRmse(loaded->pixels(), reference), MostRmse);
    }
    // Read for a screen area, the fewer pixels kept are converted too.
    QImage flat(160, 120, QImage::Format_RGB32);
    flat.fill(qRgb(60, 170, 90));
    const QByteArray adobe = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
    const QRgb expected = lcmsToSrgb(flat, adobe).pixel(80, 60);
    flat.setColorSpace(QColorSpace::AdobeRgb);
    for (const auto& [name, bytes] :
         {std::pair{"flat.png", encoded(flat, "png")},
          std::pair{"flat.jpg", WithIccProfile(EncodeJpeg(flat), adobe)}}) {
        const QImage screen = LoadPictureBitmap(files.write(name, bytes), QSize(40, 30))->pixels();
        EXPECT_TRUE(screen.width() < 160 && near(screen.pixel(20, 15), expected)) << name;
    }
}
