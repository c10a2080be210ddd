// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/sleevix_error.h"
#include "pictures/decoders/gif_decoder.h"
#include "support/gif_writer.h"
#include "support/qt_printers.h"

namespace {

const QList<QRgb> Palette = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};

QString errorOf(const QByteArray& bytes) {
    try {
        DecodeGif(bytes);
    } catch (const SleevixError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

}  // namespace

TEST(GifDecoder, AFullFrameIsItsOwnEightBitBitmap) {
    const QImage image = DecodeGif(EncodeGif({5, 3}, Palette, {PatternFrame({5, 3}, 4)}));
    ASSERT_EQ(image.size(), QSize(5, 3));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.color(2), qRgb(0, 0, 255));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(image.pixelIndex(x, y), (x + y) % 4);
}

TEST(GifDecoder, ASmallerFrameLiesOpaqueAtItsOffsetOnAWhiteScreen) {
    const QImage image = DecodeGif(EncodeGif({10, 8}, Palette, {SolidFrame({3, 2}, 2, {4, 5})}));
    ASSERT_EQ(image.size(), QSize(10, 8));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.color(0), qRgb(255, 0, 0));  // the GIF's palette is kept
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inFrame = x >= 4 && x < 7 && y >= 5 && y < 7;
            EXPECT_EQ(image.pixel(x, y), inFrame ? qRgb(0, 0, 255) : qRgb(255, 255, 255))
                << x << "," << y;
        }
    // A frame reaching past the screen is cut off.
    const QImage cut = DecodeGif(EncodeGif({4, 4}, Palette, {SolidFrame({3, 3}, 1, {2, 3})}));
    EXPECT_EQ(cut.size(), QSize(4, 4));
    EXPECT_EQ(cut.pixel(3, 3), qRgb(0, 255, 0));
    EXPECT_EQ(cut.pixel(1, 3), qRgb(255, 255, 255));
}

TEST(GifDecoder, OnlyTheFirstFrameOfAnAnimationIsShown) {
    const QImage image =
        DecodeGif(EncodeGif({4, 4}, Palette, {SolidFrame({4, 4}, 0), SolidFrame({4, 4}, 1)}, true));
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
}

TEST(GifDecoder, InterlacedRowsArePutInPlace) {
    GifFrame frame = PatternFrame({3, 11}, 4);
    frame.interlaced = true;
    const QImage image = DecodeGif(EncodeGif({3, 11}, Palette, {frame}));
    for (int y = 0; y < 11; ++y) EXPECT_EQ(image.pixelIndex(0, y), y % 4) << y;
}

TEST(GifDecoder, TheSignatureIsFoundWithoutCaseOrAfterAFourBytePrefix) {
    QByteArray gif = EncodeGif({2, 2}, Palette, {SolidFrame({2, 2}, 1)});
    QByteArray lower = gif;
    lower.replace(0, 3, "gIf");
    EXPECT_EQ(DecodeGif(lower).pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(DecodeGif("\x01\x02\x03\x04" + gif).pixel(1, 1), qRgb(0, 255, 0));
    QByteArray otherVersion = gif;
    otherVersion.replace(3, 3, "00z");  // the version is not checked
    EXPECT_EQ(DecodeGif(otherVersion).size(), QSize(2, 2));
}

TEST(GifDecoder, EachKindOfDamageHasItsMessage) {
    const QByteArray gif = EncodeGif({4, 4}, Palette, {SolidFrame({4, 4}, 1)}, true);
    const qsizetype comment = gif.indexOf("\x21\xFE");
    const qsizetype descriptor = gif.indexOf('\x2C', comment);
    ASSERT_GT(comment, 0);

    EXPECT_EQ(errorOf("PNG89a..."), "Invalid GIF signature");
    EXPECT_EQ(errorOf(""), "Invalid GIF signature");
    EXPECT_EQ(errorOf(gif.left(10)), "Invalid GIF data");  // screen descriptor cut
    EXPECT_EQ(errorOf(gif.left(comment + 5)), "Invalid extension introducer");
    EXPECT_EQ(errorOf(gif.left(descriptor + 14)), "Invalid GIF data");  // pixels cut

    QByteArray unknown = gif;
    unknown[comment] = '\x99';
    EXPECT_EQ(errorOf(unknown), "Unknown GIF block type");

    QByteArray noFrame = gif.left(comment);
    noFrame.append('\x3B');  // the trailer, straight after the screen
    EXPECT_EQ(errorOf(noFrame), "Invalid Image trailer");
}
