// SPDX-License-Identifier: GPL-3.0-or-later
// Large photos cost the screen only what it shows: JPEGs are decoded for
// the area they are drawn in, look the same there, and print with every
// pixel.

#include <QCheckBox>
#include <QFile>
#include <QPainter>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "pictures/picture_dialog.h"
#include "pictures/picture_files.h"
#include "pictures/picture_loader.h"
#include "support/cover_fixture.h"
#include "support/drawn_page.h"
#include "support/image_difference.h"
#include "support/jpeg_writer.h"

namespace {

// Smooth gradients with a little grain, like a photograph.
QImage photo(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    unsigned grain = 777;
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            grain = grain * 1103515245u + 12345u;
            const int noise = int(grain >> 29) - 4;
            row[3 * x] = uchar(qBound(0, x * 255 / width + noise, 255));
            row[3 * x + 1] = uchar(qBound(0, y * 255 / height + noise, 255));
            row[3 * x + 2] = uchar(qBound(0, 128 + (x - y) * 100 / (width + height), 255));
        }
    }
    return image;
}

// Black and white columns `width` pixels wide: detail only a full decode keeps.
QImage stripes(int size, int width) {
    QImage image(size, size, QImage::Format_RGB888);
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y)
            image.setPixel(x, y, (x / width) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

// The picture as the screen drew it before: every pixel decoded, stretched.
QImage fullDecodeStretched(const QString& path, QSize target) {
    QImage reference(target, QImage::Format_RGB32);
    reference.fill(Qt::white);
    QPainter painter(&reference);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(reference.rect(), LoadPictureBitmap(path)->pixels());
    return reference;
}

// The share of the pixels of a row of `area` that are near black or white.
double sharpShare(const QImage& page, const QRect& area) {
    int sharp = 0;
    const int y = area.center().y();
    for (int x = area.left(); x <= area.right(); ++x) {
        const int level = qGray(page.pixel(x, y));
        if (level < 40 || level > 215) ++sharp;
    }
    return double(sharp) / area.width();
}

double meanLevel(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
    return sum / (double(image.width()) * image.height());
}

}  // namespace

TEST(PicturesForTheScreen, AJpegIsDecodedToCoverTheAreaShownKeepingItsNaturalSize) {
    PictureFiles files;
    const QString path = files.write("photo.jpg", EncodeJpeg(photo(1600, 1200)));
    const auto full = LoadPictureBitmap(path);
    const auto shown = LoadPictureBitmap(path, QSize(442, 353));
    ASSERT_TRUE(full && shown);
    EXPECT_EQ(full->pixels().size(), QSize(1600, 1200));
    // Three eighths is the smallest scale that still covers 442 x 353.
    EXPECT_EQ(shown->pixels().size(), QSize(600, 450));
    EXPECT_EQ(QSize(shown->width(), shown->height()), QSize(1600, 1200));
    EXPECT_EQ(shown->bitsPerPixel(), 24);

    // A tall area needs more of the height; a larger one the whole picture.
    EXPECT_EQ(LoadPictureBitmap(path, QSize(100, 1000))->pixels().size(), QSize(1400, 1050));
    EXPECT_EQ(LoadPictureBitmap(path, QSize(2000, 10))->pixels().size(), QSize(1600, 1200));

    const QString grey = files.write("grey.jpg", EncodeJpeg(photo(800, 800), JpegColours::Grey));
    const auto greyShown = LoadPictureBitmap(grey, QSize(100, 100));
    EXPECT_EQ(greyShown->pixels().size(), QSize(100, 100));
    EXPECT_EQ(greyShown->bitsPerPixel(), 8);
    EXPECT_EQ(greyShown->width(), 800);
}

class PictureResolution : public CoverFixture {
  protected:
    PictureFiles files;
};

TEST_F(PictureResolution, TheSurfacesLookAsWithAFullDecodeAndHoldOnlyWhatTheyShow) {
    switchOutlines(false, false, false);
    const QString path =
        files.write("photo.jpg", EncodeJpeg(photo(2400, 1800), JpegColours::Rgb, 90));
    choosePicture(0, path);
    choosePicture(1, path);
    addTracks({"Intro"});
    commit();  // every repaint reads the files again
    ASSERT_TRUE(errors->shown.isEmpty());

    EXPECT_LE(LargestChannelRmse(Form1->Image5.image(), fullDecodeStretched(path, {442, 353})),
              2.0);
    // The front, without the texts drawn over it.
    Form1->CheckBox4->setChecked(true);
    EXPECT_LE(LargestChannelRmse(Form1->Image4.image(), fullDecodeStretched(path, {361, 353})),
              2.0);

    EXPECT_EQ(BackPicture.width(), 2400);
    EXPECT_EQ(FrontPicture.height(), 1800);
    EXPECT_LT(BackPicture.pixels().width(), 2400 / 2);
    EXPECT_LT(FrontPicture.pixels().width(), 2400 / 2);
}

TEST_F(PictureResolution, ThePrintJobDrawsTheFileWithEveryPixelOrElseTheHeldPicture) {
    constexpr int Dpi = 300;
    switchOutlines(false, false, false);
    const QString path =
        files.write("stripes.jpg", EncodeJpeg(stripes(1210, 4), JpegColours::Rgb, 95));
    choosePicture(1, path);
    ASSERT_LT(FrontPicture.pixels().width(), 1210);  // held for the screen only

    auto printFront = [] {
        const QImage page = DrawnPage(Dpi);
        // The front insert, 20 mm from the left and 130 mm from the top.
        return page.copy(QRect(QPoint(300, 1600), QSize(800, 200)));
    };
    // Full detail: the stripes stay black and white.
    EXPECT_GT(sharpShare(printFront(), QRect(0, 0, 800, 200)), 0.8);

    // The file gone, the held picture prints, blurred but there.
    QFile::remove(path);
    const QImage held = printFront();
    EXPECT_LT(sharpShare(held, QRect(0, 0, 800, 200)), 0.5);
    EXPECT_NEAR(meanLevel(held), 128, 30);  // half black, half white
}

TEST(PicturesForTheScreen, ThePreviewPaneDecodesForThePaneAndStatesTheNaturalSize) {
    PictureFiles files;
    PicturePreviewPane pane;
    ASSERT_TRUE(ShowInPane(pane, files.write("photo.jpg", EncodeJpeg(photo(1600, 1200)))));
    EXPECT_EQ(pane.caption(), " (1600x1200)");
    EXPECT_LE(pane.picture().pixels().width(), 1600 / 4);
}
