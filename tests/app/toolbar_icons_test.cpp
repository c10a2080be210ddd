// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_icons.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPixmap>

namespace {

struct Ink {
    int pixels = 0;
    int coloured = 0;  // pixels whose channels differ clearly
};

Ink inkOf(const QImage& image) {
    Ink ink;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) < 64) continue;
            ++ink.pixels;
            const int spread = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                               std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
            if (spread > 40) ++ink.coloured;
        }
    return ink;
}

}  // namespace

// The pictures come from resources and an image plugin at run time: a
// resource left out of the build or a missing plugin gives empty buttons.
TEST(ToolbarIcons, EveryPictureDrawsAndGreysWhenDisabled) {
    int colouredNormal = 0;
    int colouredDisabled = 0;
    for (ToolbarPicture picture :
         {ToolbarPicture::EditTracks, ToolbarPicture::FontTypeColor, ToolbarPicture::Left,
          ToolbarPicture::Center, ToolbarPicture::Image, ToolbarPicture::Print,
          ToolbarPicture::Close, ToolbarPicture::About}) {
        SCOPED_TRACE(int(picture));
        const QIcon icon = ToolbarIcon(picture);
        const QImage normalImage = icon.pixmap(QSize(16, 16), QIcon::Normal).toImage();
        const QImage disabledImage = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
        const Ink normal = inkOf(normalImage);
        const Ink disabled = inkOf(disabledImage);
        EXPECT_GE(normal.pixels, 20);
        EXPECT_GE(disabled.pixels, 10);
        EXPECT_NE(normalImage, disabledImage);
        colouredNormal += normal.coloured;
        colouredDisabled += disabled.coloured;
    }
    EXPECT_GE(colouredNormal, 200);
    EXPECT_LT(colouredDisabled, colouredNormal / 10);
}
