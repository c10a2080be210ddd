// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures dropped on the inserts and pasted onto them, through Qt's own
// drag, drop and key events.

#include <optional>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/picture_repaint.h"
#include "pictures/picture_files.h"
#include "render/surface_view.h"
#include "support/album_art_writer.h"
#include "support/cover_fixture.h"
#include "support/drawn_page.h"
#include "support/image_encoding.h"

namespace {

constexpr int FrontPage = 1;
const QRgb Red = qRgb(255, 0, 0), Blue = qRgb(0, 0, 255), White = qRgb(255, 255, 255);

QImage filled(QColor colour, int width = 40, int height = 30) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Drags `data` over the insert's view and drops it there, as a file
// manager does with Shift held (which proposes a move); true when the view
// took the drag, and took it as a copy. The command runs once the drop is
// over.
bool dropOn(const char* view, QMimeData* data) {
    auto* target = Form1->findChild<SurfaceView*>(QString::fromLatin1(view));
    if (!target) return false;
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at.toPoint(), offered, data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, offered, data, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(drop.proposedAction(), Qt::MoveAction);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    QApplication::processEvents();
    return enter.isAccepted() && drop.isAccepted();
}

QMimeData* filesData(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

QMimeData* imageData(const QImage& image) {
    auto* data = new QMimeData;
    data->setImageData(image);
    return data;
}

// A window that starts a drag of one file when pressed, as a file manager
// does, offering to move it.
class FileDragSource : public QWidget {
  public:
    QString file;
    std::optional<Qt::DropAction> result;

  protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        drag->setMimeData(filesData({file}));
        result = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction);
    }
};

}  // namespace

class PictureDrops : public CoverFixture {
  protected:
    void SetUp() override {
        CoverFixture::SetUp();
        switchOutlines(false, false, false);
    }
    // Ctrl+V on the main window, as the keyboard gives it.
    void pressPaste() {
        Form1->show();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1, WindowSystemHangMs));
        QTest::keyClick(Form1, Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
    }
    PictureFiles files;
};

TEST_F(PictureDrops, AFileDroppedOnAnInsertBecomesItsPictureAndShowsItsTab) {
    const QString red = files.write("red.png", EncodeImage(filled(Qt::red), "png"));
    Form1->TabbedNotebook1->setCurrentIndex(TForm1::BackPage);
    std::unique_ptr<QMimeData> data(filesData({red}));
    EXPECT_TRUE(dropOn("Image4", data.get()));
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_EQ(Form1->TabbedNotebook1->currentIndex(), FrontPage);
    EXPECT_EQ(FrontPicturePath, red);
    EXPECT_EQ(Form1->Image4.image().pixel(180, 170), Red);
    EXPECT_FALSE(HasBackPicture);

    // Any of the three back surfaces takes the back picture: here an audio
    // file's cover dropped on the left spine.
    const QString song = files.path("song.flac");
    ASSERT_TRUE(WriteAudioWithArt(song, AudioKind::Flac, {{EncodeImage(filled(Qt::blue), "png")}}));
    data.reset(filesData({song}));
    EXPECT_TRUE(dropOn("Image2", data.get()));
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_EQ(Form1->TabbedNotebook1->currentIndex(), TForm1::BackPage);
    EXPECT_EQ(BackPicturePath, song);
    EXPECT_EQ(Form1->Image1.image().pixel(200, 170), Blue);
    EXPECT_EQ(Form1->Image3.image().pixel(10, 170), Blue);
}

// Dragged with the pointer from another window through the desktop's drag
// and drop: taken as a copy, whether the insert uses the file or refuses it.
TEST_F(PictureDrops, ARealDragWithThePointerIsTakenAsACopy) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server with a window manager: tests/wm/under_openbox.sh";
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    ASSERT_FALSE(xdotool.isEmpty()) << "xdotool is missing";
    Form1->TabbedNotebook1->setCurrentIndex(FrontPage);
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1, WindowSystemHangMs));
    FileDragSource source;
    source.resize(120, 120);
    source.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&source, WindowSystemHangMs));
    const auto* target = Form1->findChild<SurfaceView*>(QStringLiteral("Image4"));
    ASSERT_TRUE(target);
    const QPoint from = source.mapToGlobal(source.rect().center());
    const QPoint to = target->mapToGlobal(target->rect().center());
    const auto at = [](QPoint p) { return QStringList{QString::number(p.x()), QString::number(p.y())}; };
    const QString red = files.write("red.png", EncodeImage(filled(Qt::red), "png"));
    for (const QString& file : {red, files.write("notes.txt", "not a picture")}) {
        SCOPED_TRACE(qPrintable(file));
        source.file = file;
        source.result.reset();
        QProcess pointer;
        pointer.start(xdotool, QStringList{"mousemove", "--sync"} + at(from) +
                                   QStringList{"mousedown", "1", "sleep", "0.3", "mousemove"} +
                                   at(to + QPoint(-5, -5)) + QStringList{"sleep", "0.3", "mousemove"} +
                                   at(to) + QStringList{"sleep", "0.5", "mouseup", "1"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return source.result.has_value(); }, 30000));
        EXPECT_EQ(source.result.value_or(Qt::IgnoreAction), Qt::CopyAction);
        EXPECT_TRUE(QFile::exists(file));
        pointer.waitForFinished(30000);
    }
    EXPECT_EQ(FrontPicturePath, red);
}

TEST_F(PictureDrops, WhatIsNoPictureIsRefusedWithItsReasonAndChangesNothing) {
    const QString red = files.write("red.png", EncodeImage(filled(Qt::red), "png"));
    choosePicture(FrontPage, red);
    Form1->TabbedNotebook1->setCurrentIndex(TForm1::BackPage);
    QMimeData text;
    text.setText(QStringLiteral("a line of text"));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/cover.png"))});
    std::unique_ptr<QMimeData> notes(filesData({files.write("notes.txt", "not a picture")}));
    std::unique_ptr<QMimeData> two(filesData({red, red}));
    QDir().mkpath(files.path("folder.png"));
    std::unique_ptr<QMimeData> folder(filesData({files.path("folder.png")}));
    const struct {
        QMimeData* data;
        QString reason;
    } refusals[] = {
        {&text,
         "Only a picture, a picture file or an audio file with album art can be dropped "
         "on an insert."},
        {&web,
         "Only a picture file on this computer can be used "
         "(https://example.org/cover.png)"},
        {notes.get(), "Unknown picture file extension (.txt)"},
        {two.get(), "One picture at a time, please: 2 files were given."},
        {folder.get(), "\"folder.png\" is a folder, not a picture."},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(qPrintable(refusal.reason));
        errors->shown.clear();
        EXPECT_TRUE(dropOn("Image4", refusal.data));  // taken, to say why it is refused
        EXPECT_EQ(errors->shown, QStringList{refusal.reason});
        EXPECT_EQ(Form1->TabbedNotebook1->currentIndex(), TForm1::BackPage);
        EXPECT_EQ(FrontPicturePath, red);
        EXPECT_EQ(Form1->Image4.image().pixel(180, 170), Red);
    }
    // A file that claims to be a picture and is not fails as "Image" would.
    errors->shown.clear();
    std::unique_ptr<QMimeData> lying(filesData({files.write("lying.png", "text")}));
    dropOn("Image1", lying.get());
    EXPECT_EQ(errors->shown, QStringList{"PNG image is not valid."});
    EXPECT_FALSE(HasBackPicture);
}

TEST_F(PictureDrops, APictureDroppedAsPixelsIsHeldAndEveryRepaintAndThePageUseIt) {
    QImage half(44, 35, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    QPainter(&half).fillRect(0, 0, 22, 35, Qt::blue);
    std::unique_ptr<QMimeData> data(imageData(half));
    EXPECT_TRUE(dropOn("Image1", data.get()));
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(PictureIsHeld(PictureHalf::Back));
    EXPECT_TRUE(BackPicturePath.isEmpty());
    EXPECT_EQ(Form1->Image5.image().pixel(100, 170), Blue);
    EXPECT_EQ(Form1->Image5.image().pixel(400, 170), White);  // transparent: white

    addTracks({"Intro"});
    commit();  // repaints the pictures: the held one, no file read
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_EQ(Form1->Image5.image().pixel(100, 300), Blue);
    EXPECT_EQ(Form1->Image3.image().pixel(10, 300), White);

    constexpr int Dpi = 100;
    const QImage page = DrawnPage(Dpi);
    // The back insert lies from 20 mm to 170 mm across, 10 mm down.
    EXPECT_EQ(page.pixel(150, 450), Blue);
    EXPECT_EQ(page.pixel(600, 450), White);

    // A file chosen later replaces it and is read from its file again.
    choosePicture(TForm1::BackPage, files.write("red.png", EncodeImage(filled(Qt::red), "png")));
    EXPECT_FALSE(PictureIsHeld(PictureHalf::Back));
    EXPECT_EQ(Form1->Image5.image().pixel(400, 170), Red);
}

TEST_F(PictureDrops, CtrlVPastesTheClipboardsPictureOntoTheInsertOfTheTabShowing) {
    QClipboard* clipboard = QApplication::clipboard();
    Form1->TabbedNotebook1->setCurrentIndex(FrontPage);
    clipboard->setImage(filled(Qt::blue));
    pressPaste();
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(PictureIsHeld(PictureHalf::Front));
    EXPECT_FALSE(HasBackPicture);
    EXPECT_EQ(Form1->Image4.image().pixel(180, 170), Blue);

    // A file copied in a file manager is pasted as that file.
    const QString red = files.write("red.png", EncodeImage(filled(Qt::red), "png"));
    Form1->TabbedNotebook1->setCurrentIndex(TForm1::BackPage);
    clipboard->setMimeData(filesData({red}));
    pressPaste();
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_EQ(BackPicturePath, red);
    EXPECT_EQ(Form1->Image1.image().pixel(200, 170), Red);

    clipboard->setText(QStringLiteral("no picture here"));
    pressPaste();
    EXPECT_EQ(errors->shown, QStringList{"The clipboard holds no picture."});
    EXPECT_EQ(BackPicturePath, red);
}

TEST_F(PictureDrops, AHeldPictureObeysThePictureSizeLimits) {
    std::unique_ptr<QMimeData> data(imageData(filled(Qt::red, 16385, 1)));
    dropOn("Image4", data.get());
    EXPECT_EQ(errors->shown, QStringList{"Picture is too large (16385 x 1)"});
    EXPECT_FALSE(HasFrontPicture);
}
