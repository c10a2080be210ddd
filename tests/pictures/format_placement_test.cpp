// SPDX-License-Identifier: GPL-3.0-or-later
// The newer formats on the inserts: a transparent PNG lies on white, and a
// drawing is drawn sharp for each surface and for the printed page.

#include <QCheckBox>
#include <QPainter>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "pictures/picture_files.h"
#include "support/cover_fixture.h"
#include "support/drawn_page.h"
#include "support/image_encoding.h"

namespace {

// Pixels of a row of `area` that are neither near black nor near white.
int blurred(const QImage& image, const QRect& area) {
    int count = 0;
    const int y = area.center().y();
    for (int x = area.left(); x <= area.right(); ++x) {
        const int level = qGray(image.pixel(x, y));
        if (level > 30 && level < 225) ++count;
    }
    return count;
}

// Vertical black and white stripes, `count` of each, in a 100 x 100 view box.
QByteArray stripesDrawing(int count) {
    QString rects;
    const double width = 100.0 / (2 * count);
    for (int i = 0; i < count; ++i)
        rects += QStringLiteral("<rect x='%1' y='0' width='%2' height='100'/>")
                     .arg(2 * i * width)
                     .arg(width);
    return QStringLiteral(
               "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='40' "
               "viewBox='0 0 100 100' shape-rendering='crispEdges'>%1</svg>")
        .arg(rects)
        .toUtf8();
}

}  // namespace

class FormatsOnTheInserts : public CoverFixture {
  protected:
    PictureFiles files;
};

TEST_F(FormatsOnTheInserts, ATransparentPngLiesOnWhiteBehindTheTexts) {
    switchOutlines(false, false, false);
    QImage picture(44, 35, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(0, 0, 22, 35, Qt::red);
    choosePicture(0, files.write("half.png", EncodeImage(picture, "png")));
    addTracks({"Intro"});
    commit();
    ASSERT_TRUE(errors->shown.isEmpty());
    const QImage& overlay = Form1->Image5.image();
    EXPECT_EQ(overlay.pixel(100, 300), qRgb(255, 0, 0));
    EXPECT_EQ(overlay.pixel(400, 300), qRgb(255, 255, 255));  // not black
    EXPECT_EQ(Form1->Image3.image().pixel(10, 300), qRgb(255, 255, 255));
}

TEST_F(FormatsOnTheInserts, ADrawingIsDrawnForEachSurfaceAndForThePrintedPage) {
    switchOutlines(false, false, false);
    Form1->CheckBox4->setChecked(true);  // no front texts over the picture
    const QString path = files.write("stripes.svg", stripesDrawing(40));
    choosePicture(1, path);
    ASSERT_TRUE(errors->shown.isEmpty());
    EXPECT_EQ(QSize(FrontPicture.width(), FrontPicture.height()), QSize(40, 40));
    EXPECT_EQ(FrontPicture.pixels().size(), Form1->Image4.displayImage().size());
    // 80 stripes over 361 pixels: a natural-size picture stretched would be
    // grey mush; drawn for the surface, they stay black and white.
    EXPECT_LT(blurred(Form1->Image4.image(), QRect(0, 100, 361, 1)), 361 / 3);

    constexpr int Dpi = 300;
    const QImage page = DrawnPage(Dpi);
    // The front insert, 121 mm from 20 mm left and 130 mm down.
    const QRect front(236, 1535, 1429, 1417);
    EXPECT_LT(blurred(page, front.adjusted(20, 600, -20, 0)), front.width() / 10);
    int black = 0;
    for (int x = front.left(); x < front.right(); ++x)
        if (qGray(page.pixel(x, front.center().y())) < 30) ++black;
    EXPECT_NEAR(double(black) / front.width(), 0.5, 0.1);
}
