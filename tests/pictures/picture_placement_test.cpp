// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "pictures/picture_files.h"
#include "support/cover_fixture.h"
#include "support/image_probe.h"

namespace {

constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;

// Column x of a 442-wide picture has a colour of its own.
QRgb columnColour(int x) {
    return qRgb(x % 256, x < 256 ? 40 : 200, 90);
}

QImage columns(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) image.setPixel(x, y, columnColour(x));
    return image;
}

QImage halves(int side, QRgb left, QRgb right) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, side / 2, side, left);
    return image;
}

QString save(PictureFiles& files, const QString& name, const QImage& image) {
    const QString path = files.path(name);
    image.save(path, "BMP");
    return path;
}

bool hasColour(const Canvas& surface, QRgb colour) {
    return !PixelsOfColour(surface.image(), colour).isEmpty();
}

}  // namespace

class PicturePlacement : public CoverFixture {
  protected:
    PictureFiles files;
};

TEST_F(PicturePlacement, ABackPictureRunsAcrossBothSpinesAndTheTrayCard) {
    switchOutlines(false, false, false);
    choosePicture(0, save(files, "back.bmp", columns(442, 353)));
    EXPECT_TRUE(HasBackPicture);
    for (int x = 0; x < 22; ++x) {
        EXPECT_EQ(Form1->Image2.image().pixel(x, 100), columnColour(x)) << x;
        EXPECT_EQ(Form1->Image3.image().pixel(x, 100), columnColour(420 + x)) << x;
    }
    // 398 columns widened to 400: the ends stay, the middle is stretched.
    EXPECT_EQ(Form1->Image1.image().pixel(0, 100), columnColour(22));
    EXPECT_EQ(Form1->Image1.image().pixel(399, 100), columnColour(419));
    const int middle = qRed(Form1->Image1.image().pixel(200, 100));
    EXPECT_NEAR(middle, (22 + 199) % 256, 2);
    for (Canvas* s : {&Form1->Image1, &Form1->Image2, &Form1->Image3, &Form1->Image4})
        EXPECT_EQ(s->brushStyle, BrushStyle::Clear);
    EXPECT_EQ(SavedBackBrushStyle, BrushStyle::Solid);
}

TEST_F(PicturePlacement, AFrontPictureIsStretchedOverTheWholeFront) {
    switchOutlines(false, false, false);
    choosePicture(1, save(files, "front.bmp", halves(100, qRgb(255, 0, 0), qRgb(0, 0, 255))));
    EXPECT_TRUE(HasFrontPicture);
    EXPECT_FALSE(HasBackPicture);
    const QImage& front = Form1->Image4.image();
    EXPECT_EQ(front.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(front.pixel(170, 352), qRgb(255, 0, 0));
    EXPECT_EQ(front.pixel(190, 0), qRgb(0, 0, 255));
    EXPECT_EQ(front.pixel(360, 352), qRgb(0, 0, 255));
    EXPECT_TRUE(AllPixels(Form1->Image1.image(), Form1->Image1.image().rect(), White));
}

TEST_F(PicturePlacement, BeforeACommitThePictureShowsWithTheOutlinesAndNoText) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    choosePicture(1, save(files, "front.bmp", halves(100, qRgb(0, 128, 0), qRgb(0, 128, 0))));
    const QImage& front = Form1->Image4.image();
    EXPECT_EQ(front.pixel(0, 100), Black);  // the front outline over the picture
    EXPECT_EQ(front.pixel(360, 100), Black);
    EXPECT_EQ(PixelsOfColour(front, qRgb(0, 128, 0)).size(), qsizetype(359 * 351));
}

TEST_F(PicturePlacement, EveryRenderAndSwitchDrawsThePicturesUnderTextsAndLines) {
    addTracks({"Intro", "Outro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    const QRgb green = qRgb(0, 160, 0), yellow = qRgb(250, 220, 0);
    choosePicture(0, save(files, "back.bmp", halves(50, green, green)));
    choosePicture(1, save(files, "front.bmp", halves(50, yellow, yellow)));

    auto expectPicturesTextsAndLines = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(Form1->Image1.image().pixel(200, 340), green);
        EXPECT_EQ(Form1->Image4.image().pixel(20, 20), yellow);
        EXPECT_EQ(Form1->Image1.image().pixel(200, 0), Black);   // back outline
        EXPECT_EQ(Form1->Image2.image().pixel(21, 100), Black);  // fold line
        EXPECT_EQ(Form1->Image4.image().pixel(0, 100), Black);   // front outline
        // Texts over the pictures, without a white box around them.
        EXPECT_TRUE(hasColour(Form1->Image1, Black));
        EXPECT_FALSE(hasColour(Form1->Image1, White));
        EXPECT_FALSE(hasColour(Form1->Image4, White));
        EXPECT_GT(PixelsOfColour(Form1->Image4.image(), Black).size(), 4 * 353);
    };
    expectPicturesTextsAndLines("after the picture command");
    commit();
    expectPicturesTextsAndLines("after a left render");
    centre();
    expectPicturesTextsAndLines("after a centred render");
    Form1->CheckBox1->setChecked(false);
    Form1->CheckBox1->setChecked(true);
    expectPicturesTextsAndLines("after an outline switch");
    EXPECT_TRUE(errors->shown.isEmpty());
}

TEST_F(PicturePlacement, CancellingChangesNothingASaveWritesButStillRedrawsTheOutlines) {
    const CoverDocument before = CaptureCover();
    pictureDialog->answers = {QString()};
    run([] { Form1->BitBtn5Click(); });
    EXPECT_FALSE(HasBackPicture);
    EXPECT_TRUE(BackPicturePath.isEmpty());
    EXPECT_EQ(Form1->Image1.image().pixel(200, 0), Black);
    EXPECT_EQ(Form1->Image1.image().pixel(200, 100), White);
    EXPECT_TRUE(CaptureCover() == before) << "the brushes changed";
}

TEST_F(PicturePlacement, ANameWithNoFileSetsTheFlagAndDrawsNothingWithoutAMessage) {
    switchOutlines(false, false, false);
    choosePicture(1, files.path("typed-but-missing.gif"));
    EXPECT_TRUE(HasFrontPicture);
    EXPECT_EQ(FrontPicturePath, files.path("typed-but-missing.gif"));
    EXPECT_TRUE(FrontPicture.isNull());
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(AllPixels(Form1->Image4.image(), Form1->Image4.image().rect(), White));
}

TEST_F(PicturePlacement, AFailedPickIsReportedOnceAndLeavesThatInsertsPictureAsItWas) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    const QRgb blue = qRgb(1, 2, 200);
    const QString good = save(files, "good.bmp", halves(20, blue, blue));
    choosePicture(0, good);
    QFile::copy(good, files.path("bad.xcf"));
    choosePicture(0, files.path("bad.xcf"));
    EXPECT_EQ(errors->shown, QStringList{"Unknown picture file extension (.xcf)"});
    EXPECT_EQ(BackPicturePath, good);
    EXPECT_FALSE(BackPicture.isNull());
    // The cover is drawn again with the picture it had, texts and lines over it.
    EXPECT_EQ(Form1->Image1.image().pixel(200, 340), blue);
    EXPECT_EQ(Form1->Image1.image().pixel(200, 0), Black);
    EXPECT_TRUE(hasColour(Form1->Image4, Black));

    // An insert without a picture stays without one.
    files.write("broken.gif", "GIF89a but no more");
    choosePicture(1, files.path("broken.gif"));
    EXPECT_EQ(errors->shown.size(), 2);
    EXPECT_FALSE(HasFrontPicture);
    EXPECT_TRUE(FrontPicturePath.isEmpty());

    // Every later command works: no error comes back.
    commit();  // "Continue"
    centre();
    Form1->CheckBox1->setChecked(false);
    Form1->CheckBox2->setChecked(false);
    Form1->CheckBox3->setChecked(false);
    commit();
    EXPECT_EQ(errors->shown.size(), 2);
    EXPECT_EQ(Form1->Image1.image().pixel(200, 340), blue);
}

TEST_F(PicturePlacement, AHeldPictureThatBecomesUnreadableIsReportedOnceAndRendersGoOn) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    const QRgb green = qRgb(0, 160, 0);
    const QString front = save(files, "front.bmp", halves(20, green, green));
    choosePicture(1, front);
    ASSERT_TRUE(errors->shown.isEmpty());
    auto spoil = [&] {
        QFile file(front);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("BM not a bitmap any more");
    };
    spoil();

    commit();  // "Continue"
    EXPECT_EQ(errors->shown, QStringList{"Bitmap image is not valid."});
    // The render went on: the front has its texts and outline, no picture.
    const QImage& image = Form1->Image4.image();
    EXPECT_TRUE(PixelsOfColour(image, green).isEmpty());
    EXPECT_EQ(image.pixel(0, 100), Black);
    EXPECT_GT(PixelsOfColour(image, Black).size(), 4 * 353);
    EXPECT_TRUE(FrontPicture.isNull());

    centre();
    Form1->CheckBox3->setChecked(false);
    commit();
    EXPECT_EQ(errors->shown.size(), 1);
    EXPECT_TRUE(hasColour(Form1->Image4, Black));  // the texts still

    // Readable again, it shows again; spoiled once more, it is reported again.
    save(files, "front.bmp", halves(20, green, green));
    commit();
    EXPECT_EQ(Form1->Image4.image().pixel(20, 20), green);
    spoil();
    commit();
    EXPECT_EQ(errors->shown.size(), 2);
}

TEST_F(PicturePlacement, AChosenFileDeletedLaterLeavesTheOldPictureOnTheBackStrips) {
    switchOutlines(false, false, false);
    const QString back = save(files, "back.bmp", halves(20, qRgb(9, 9, 200), qRgb(9, 9, 200)));
    choosePicture(0, back);
    QFile::remove(back);
    addTracks({"Intro"});
    commit();
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(BackPicture.isNull());
    EXPECT_EQ(Form1->Image1.image().pixel(200, 340), qRgb(9, 9, 200));
    EXPECT_EQ(Form1->Image2.image().pixel(10, 340), qRgb(9, 9, 200));
}

TEST_F(PicturePlacement, AFileRewrittenWithContentOfTheSameLengthShowsTheNewContent) {
    switchOutlines(false, false, false);
    addTracks({"Intro"});
    commit();
    const QRgb red = qRgb(200, 0, 0), blue = qRgb(0, 0, 200);
    const QString front = save(files, "front.bmp", halves(20, red, red));
    const QString back = save(files, "back.bmp", halves(20, red, red));
    choosePicture(1, front);
    choosePicture(0, back);
    commit();
    ASSERT_EQ(Form1->Image4.image().pixel(20, 20), red);
    const qint64 length = QFileInfo(front).size();
    save(files, "front.bmp", halves(20, blue, blue));
    save(files, "back.bmp", halves(20, blue, blue));
    ASSERT_EQ(QFileInfo(front).size(), length);
    commit();
    EXPECT_EQ(Form1->Image4.image().pixel(20, 20), blue);
    EXPECT_EQ(Form1->Image1.image().pixel(20, 20), blue);
    EXPECT_EQ(FrontPicture.pixels().pixel(10, 10), blue);
}
