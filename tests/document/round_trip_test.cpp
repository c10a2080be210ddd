// SPDX-License-Identifier: GPL-3.0-or-later
// A cover saved and opened again in a new run of the program shows the same
// pixels on every surface and prints the same page.

#include <functional>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "document/document_fixture.h"
#include "tracks/track_editor.h"

namespace {

QStringList numberedTracks(int count) {
    QStringList tracks;
    for (int i = 1; i <= count; ++i) tracks << QStringLiteral("Song of the hour %1").arg(i);
    return tracks;
}

}  // namespace

class RoundTrip : public DocumentFixture {
  protected:
    void chooseFont(int page, const QString& family, QColor colour) {
        Form1->TabbedNotebook1->setCurrentIndex(page);
        fontDialog->answers = {{QFont(family), colour}};
        run([] { Form1->Button1Click(); });
    }
    void chooseOutlineColour(QColor colour) {
        colorDialog->answers = {colour};
        run([] { Form1->Button2Click(); });
    }
    void typeCover(int tracks) {
        addTracks(numberedTracks(tracks));
        setArtistAndTitle(QStringLiteral("The Examples"), QStringLiteral("Sample Sounds"));
    }
};

TEST_F(RoundTrip, EveryReachableCoverOpensToTheSamePixelsAndPage) {
    QDir(folder.path()).mkdir(QStringLiteral("pictures"));
    const QString inside = writePicture(pathOf("pictures/back.bmp"));
    QTemporaryDir elsewhere;
    const QString outside = writePicture(elsewhere.filePath("front.bmp"), QSize(200, 260));

    const struct {
        const char* cover;
        std::function<void()> steps;
    } covers[] = {
        {"a new cover", [] {}},
        {"tracks typed, never committed", [this] { typeCover(3); }},
        {"committed flush left",
         [this] {
             typeCover(3);
             commit();
         }},
        {"committed and centred",
         [this] {
             typeCover(5);
             commit();
             centre();
         }},
        {"41 tracks, chosen looks, switches changed",
         [this] {
             typeCover(MaxTracks);
             commit();
             chooseFont(0, QStringLiteral("Liberation Serif"), QColor(170, 0, 0));
             chooseFont(1, QStringLiteral("Liberation Mono"), QColor(0, 0, 170));
             chooseOutlineColour(QColor(0, 128, 0));
             switchOutlines(true, false, true);
             Form1->CheckBox4->setChecked(true);
             Form1->CheckBox5->setChecked(true);
         }},
        {"pictures on both inserts, centred",
         [&] {
             typeCover(4);
             commit();
             choosePicture(0, inside);
             choosePicture(1, outside);
             centre();
         }},
        {"a front picture alone, flush left",
         [&] {
             typeCover(4);
             commit();
             choosePicture(1, outside);
         }},
        {"a back picture, then fold lines off and on: spine texts on white boxes",
         [&] {
             typeCover(4);
             commit();
             choosePicture(0, inside);
             Form1->CheckBox1->setChecked(false);
             Form1->CheckBox1->setChecked(true);
         }},
        {"outline colour, then the front outline off: the centred frame keeps the colour",
         [this] {
             typeCover(2);
             commit();
             chooseOutlineColour(QColor(200, 0, 200));
             switchOutlines(true, true, false);
             centre();
         }},
        {"centred before any commit",
         [this] {
             typeCover(6);
             centre();
         }},
        {"a corrected entry and no title",
         [this] {
             addTracks(numberedTracks(3));
             Form2->ListBox1->setCurrentRow(1);
             Form2->Edit1->setText(QStringLiteral("Corrected, without its number"));
             Form2->Button3->click();
             // (Long enough to fit below 65 pixels: Qt draws larger texts as
             // outlines whose edge pixels depend on what was drawn before.)
             setArtistAndTitle(QStringLiteral("A soloist without a title"), QString());
             commit();
         }},
        {"a picture before anything else", [&] { choosePicture(0, inside); }},
    };

    for (const auto& cover : covers) {
        SCOPED_TRACE(cover.cover);
        restart();
        cover.steps();
        const CoverDocument before = CaptureCover();
        const std::vector<QImage> pixels = surfacePixels();
        const QImage page = printedPage();
        const QString document = pathOf("cover.sleevix");
        saveAs(document);

        restart();
        openFile(document);
        EXPECT_EQ(errors->shown, QStringList());
        EXPECT_TRUE(CaptureCover() == before);
        const std::vector<QImage> opened = surfacePixels();
        for (std::size_t i = 0; i < pixels.size(); ++i)
            EXPECT_TRUE(opened[i] == pixels[i]) << "surface " << i + 1;
        EXPECT_TRUE(printedPage() == page);
        EXPECT_EQ(Form1->windowTitle(), "cover.sleevix - Sleevix v2.0");
    }
}

TEST_F(RoundTrip, APictureInTheDocumentsFolderTravelsWithIt) {
    typeCover(2);
    commit();
    choosePicture(0, writePicture(pathOf("back.bmp")));
    saveAs(pathOf("cover.sleevix"));
    const std::vector<QImage> pixels = surfacePixels();

    // The folder moves; the picture is found beside the document again.
    QTemporaryDir moved;
    for (const char* name : {"cover.sleevix", "back.bmp"})
        ASSERT_TRUE(QFile::rename(pathOf(name), moved.filePath(name)));
    restart();
    openFile(moved.filePath("cover.sleevix"));
    EXPECT_EQ(errors->shown, QStringList());
    EXPECT_EQ(BackPicturePath, moved.filePath("back.bmp"));
    EXPECT_TRUE(surfacePixels() == pixels);
}
