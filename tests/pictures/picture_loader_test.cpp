// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>

#include "base/sleevix_error.h"
#include "pictures/picture_files.h"
#include "pictures/picture_loader.h"
#include "support/gif_writer.h"
#include "support/jpeg_writer.h"
#include "support/qt_printers.h"

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

// A photo-like picture: smooth colour gradients.
QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    return image;
}

}  // namespace

class PictureLoader : public ::testing::Test {
  protected:
    PictureFiles files;
};

TEST_F(PictureLoader, NoFileOrADirectoryGivesNothingWithoutAnError) {
    EXPECT_FALSE(LoadPictureBitmap(files.path("missing.jpg")).has_value());
    QDir().mkpath(files.path("folder.jpg"));
    EXPECT_FALSE(LoadPictureBitmap(files.path("folder.jpg")).has_value());
}

TEST_F(PictureLoader, TheExtensionAlonePicksTheDecoder) {
    const QByteArray bitmap = encoded(gradient(4, 4), "bmp");
    EXPECT_EQ(LoadErrorOf(files.write("picture.xcf", bitmap)),
              "Unknown picture file extension (.xcf)");
    EXPECT_EQ(LoadErrorOf(files.write("picture", bitmap)), "Unknown picture file extension (.)");
    EXPECT_EQ(LoadErrorOf(files.write("folder.v2/picture", bitmap)), "(no error)");  // no folder
    EXPECT_EQ(LoadErrorOf(files.write("picture.gif", bitmap)), "Invalid GIF signature");
    EXPECT_EQ(LoadErrorOf(files.write("picture.jpg", bitmap)).left(12), "JPEG error #");
}

TEST_F(PictureLoader, JpegLoadsAtFullSizeIn24BitsUnderEitherExtensionAndAnyCase) {
    const QByteArray jpeg = EncodeJpeg(gradient(120, 80));
    const auto upper = LoadPictureBitmap(files.write("photo.JPG", jpeg));
    const auto jpegNamed = LoadPictureBitmap(files.write("photo.jpeg", jpeg));
    ASSERT_TRUE(upper && jpegNamed);
    EXPECT_EQ(upper->width(), 120);
    EXPECT_EQ(upper->height(), 80);
    EXPECT_EQ(upper->bitsPerPixel(), 24);
    EXPECT_EQ(upper->pixels(), jpegNamed->pixels());
    // Best quality: close to what was written.
    const QRgb centre = upper->pixels().pixel(60, 40);
    EXPECT_NEAR(qRed(centre), 127, 4);
    EXPECT_NEAR(qGreen(centre), 127, 4);
    EXPECT_NEAR(qBlue(centre), 128, 4);
}

TEST_F(PictureLoader, GreyscaleJpegIsEightBitsWithAGreyPalette) {
    const auto grey =
        LoadPictureBitmap(files.write("grey.jpg", EncodeJpeg(gradient(64, 64), JpegColours::Grey)));
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->bitsPerPixel(), 8);
    EXPECT_EQ(grey->pixels().format(), QImage::Format_Indexed8);
    EXPECT_EQ(grey->pixels().color(200), qRgb(200, 200, 200));
}

TEST_F(PictureLoader, CmykJpegsComeOutInRgbWhetherAdobeInvertedOrNot) {
    QImage red(16, 16, QImage::Format_RGB888);
    red.fill(Qt::red);
    for (JpegColours kind : {JpegColours::CmykAdobe, JpegColours::CmykPlain}) {
        const auto picture = LoadPictureBitmap(files.write("cmyk.jpg", EncodeJpeg(red, kind)));
        ASSERT_TRUE(picture);
        const QRgb pixel = picture->pixels().pixel(8, 8);
        EXPECT_GT(qRed(pixel), 230);
        EXPECT_LT(qGreen(pixel), 30);
        EXPECT_LT(qBlue(pixel), 30);
    }
}

TEST_F(PictureLoader, BrokenJpegsFailWithTheLibrarysCodeOrLoadAsFarAsTheyGo) {
    const QByteArray jpeg = EncodeJpeg(gradient(64, 64));
    EXPECT_EQ(LoadErrorOf(files.write("empty.jpg", QByteArray())).left(12), "JPEG error #");
    EXPECT_EQ(LoadErrorOf(files.write("head.jpg", jpeg.left(20))).left(12), "JPEG error #");
    const auto cut = LoadPictureBitmap(files.write("cut.jpg", jpeg.left(jpeg.size() / 2)));
    ASSERT_TRUE(cut);  // libjpeg fills in what is missing
    EXPECT_EQ(cut->width(), 64);
}

// Qt writes no 16- or 32-bit bitmaps; these are built by hand: 2 x 1 pixels
// unless told, bottom-up (a negative height is top-down), no compression
// unless told; no palette, so the pixels of an 8-bit one are its palette.
QByteArray handBuiltBitmap(int bits, const QByteArray& pixels, int width = 2, int height = 1,
                           quint32 compression = 0) {
    QByteArray bmp("BM");
    auto put32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) bmp.append(char(v >> (8 * i)));
    };
    auto put16 = [&](quint16 v) { bmp.append(char(v)), bmp.append(char(v >> 8)); };
    put32(quint32(14 + 40 + pixels.size())), put32(0), put32(14 + 40);
    put32(40), put32(quint32(width)), put32(quint32(height)), put16(1), put16(quint16(bits)),
        put32(compression), put32(quint32(pixels.size())), put32(2835), put32(2835), put32(0),
        put32(0);
    return bmp + pixels;
}

TEST_F(PictureLoader, HugeClaimedSizesAreRefusedBeforeAnyPixelsAreAllocated) {
    EXPECT_EQ(LoadErrorOf(files.write("huge.jpg", JpegHeaderClaiming(60000, 60000))),
              "Picture is too large (60000 x 60000)");
    EXPECT_EQ(LoadErrorOf(files.write("wide.jpg", JpegHeaderClaiming(16385, 10))),
              "Picture is too large (16385 x 10)");
    const QByteArray gif =
        EncodeGif({60000, 60000}, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, {SolidFrame({2, 2}, 1)});
    EXPECT_EQ(LoadErrorOf(files.write("huge.gif", gif)), "Picture is too large (60000 x 60000)");
    // Top-down bitmaps (negative height) as their bottom-up twins: a few
    // bytes of run-length data that would fill 180 Mpx.
    constexpr quint32 RunLength8 = 1;
    const QByteArray palette(256 * 4, '\0'), endOfBitmap("\x00\x01", 2);
    for (const int sign : {1, -1}) {
        SCOPED_TRACE(sign);
        EXPECT_EQ(
            LoadErrorOf(files.write("tall.bmp", handBuiltBitmap(8, palette + endOfBitmap, 16384,
                                                                sign * 11000, RunLength8))),
            "Picture is too large (16384 x 11000)");
        EXPECT_EQ(LoadErrorOf(files.write(
                      "wide.bmp", handBuiltBitmap(24, QByteArray(64, '\0'), 20000, sign * 5000))),
                  "Picture is too large (20000 x 5000)");
    }
}

TEST_F(PictureLoader, BitmapsKeepTheirOwnPixelFormat) {
    const QImage colour = gradient(10, 6);
    const struct {
        QImage image;
        int bits;
    } cases[] = {
        {colour.convertToFormat(QImage::Format_Mono), 1},
        {colour.convertToFormat(QImage::Format_Indexed8), 8},
        {colour, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        const auto loaded = LoadPictureBitmap(files.write("picture.bmp", encoded(c.image, "bmp")));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->bitsPerPixel(), c.bits);
        EXPECT_EQ(loaded->width(), 10);
        EXPECT_EQ(loaded->pixels().pixel(9, 5), c.image.pixel(9, 5));
    }
    EXPECT_EQ(LoadErrorOf(files.write("broken.bmp", "BM not really")), "Bitmap image is not valid");
}

TEST_F(PictureLoader, SixteenAndThirtyTwoBitBitmapsKeepTheirDepth) {
    const struct {
        int bits;
        QByteArray pixels;
    } cases[] = {
        {16, QByteArray("\x00\x7C\x1F\x00", 4)},                  // 5-5-5
        {32, QByteArray("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8)},  // B G R x
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        const auto loaded =
            LoadPictureBitmap(files.write("deep.bmp", handBuiltBitmap(c.bits, c.pixels)));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->bitsPerPixel(), c.bits);
        EXPECT_EQ(loaded->pixels().pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(loaded->pixels().pixel(1, 0), qRgb(0, 0, 255));
    }
}

TEST_F(PictureLoader, IconsAre24BitsOverWhiteTheLargestImageFirst) {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter(&icon).fillRect(8, 8, 16, 16, Qt::blue);
    const auto loaded = LoadPictureBitmap(files.write("icon.ico", encoded(icon, "ico")));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->width(), 32);
    EXPECT_EQ(loaded->height(), 32);
    EXPECT_EQ(loaded->bitsPerPixel(), 24);
    EXPECT_EQ(loaded->pixels().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(loaded->pixels().pixel(16, 16), qRgb(0, 0, 255));
    EXPECT_EQ(LoadErrorOf(files.write("broken.ico", "not an icon")), "Icon image is not valid");
}

TEST_F(PictureLoader, MetafilesAreReadByTheirContent) {
    EXPECT_EQ(LoadErrorOf(files.write("drawing.wmf", "x")),
              "Invalid metafile: this is neither a Windows metafile nor an enhanced metafile");
}
