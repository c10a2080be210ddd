// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "pictures/picture_dialog.h"
#include "pictures/picture_files.h"
#include "pictures/picture_format_table.h"
#include "support/gif_writer.h"
#include "support/pipe_watchdog.h"
#include "support/qt_printers.h"

namespace {
// The masks Qt reads out of one of its name filters.
QStringList masksOf(const QString& choice) {
    const qsizetype open = choice.lastIndexOf(QLatin1Char('('));
    return choice.mid(open + 1, choice.size() - open - 2).split(QLatin1Char(' '));
}
}  // namespace

TEST(PictureDialogFilter, EachChoiceShowsItsTextAndMatchesItsMasksWithoutCase) {
    const QStringList choices = QtNameFilters(BuildPictureFilter());
    ASSERT_EQ(choices.size(), qsizetype(PictureFormats().formats().size()) + 1);
    EXPECT_TRUE(choices[0].startsWith("All (*.png;*.webp;*.tif;*.tiff;*.svg;*.svgz;"));
    EXPECT_TRUE(choices[0].contains(";*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.emf;*.wmf) ("));
    EXPECT_TRUE(choices[1].startsWith("PNG Image (*.png) ("));
    EXPECT_TRUE(choices.last().startsWith("Metafiles (*.wmf) ("));

    const QStringList all = masksOf(choices[0]);
    for (const char* name : {"a.jpg", "B.JPEG", "c.Gif", "d.bmp", "e.ICO", "f.emf", "g.wmf",
                             "h.png", "i.WebP", "j.tif", "k.TIFF", "l.svg", "m.svgz"})
        EXPECT_TRUE(QDir::match(all, name)) << name;
    EXPECT_FALSE(QDir::match(all, "n.xcf"));
    EXPECT_FALSE(QDir::match(all, "jpg"));
    const qsizetype jpg =
        choices.indexOf(QRegularExpression("^JPEG Image File \\(\\*\\.jpg\\) .*"));
    ASSERT_GT(jpg, 0);
    EXPECT_TRUE(QDir::match(masksOf(choices[jpg]), "PHOTO.JPG"));
    EXPECT_FALSE(QDir::match(masksOf(choices[jpg]), "photo.jpeg"));
    EXPECT_FALSE(QDir::match(masksOf(choices[jpg + 3]), "picture.gif"));
    EXPECT_TRUE(QDir::match(masksOf(choices[1]), "Cover.PNG"));
}

TEST(PicturePreviewPane, ShowsALoadablePictureAndNoneOtherwise) {
    PictureFiles files;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(files.path("red.bmp"), "BMP");
    files.write("not-a-picture.gif", "hello");
    QDir().mkpath(files.path("folder.bmp"));

    PicturePreviewPane pane;
    pane.showFile(files.path("red.bmp"));
    EXPECT_TRUE(pane.hasPicture());
    EXPECT_EQ(pane.caption(), " (40x30)");
    EXPECT_TRUE(pane.PreviewButton->isEnabled());

    for (const char* other : {"not-a-picture.gif", "folder.bmp", "missing.jpg"}) {
        pane.showFile(files.path(other));
        EXPECT_FALSE(pane.hasPicture()) << other;
        EXPECT_EQ(pane.caption(), "Picture:");
        EXPECT_FALSE(pane.PreviewButton->isEnabled());
    }
}

TEST(PicturePreviewPane, ANamedPipeShowsNoneWithoutWaitingForAWriter) {
    PictureFiles files;
    ASSERT_TRUE(MakeNamedPipe(files.path("pipe.jpg")));
    PicturePreviewPane pane;
    PipeWatchdog watchdog(files.path("pipe.jpg"));
    pane.showFile(files.path("pipe.jpg"));
    EXPECT_FALSE(watchdog.released()) << "the pane blocked on the pipe";
    EXPECT_FALSE(pane.hasPicture());
    EXPECT_EQ(pane.caption(), "Picture:");
}

namespace {
// Opens the pane's preview window and reports its title, its size and the
// size of the picture shown, then closes it.
struct PreviewSeen {
    QString title;
    QSize window;
    QSize picture;
};

constexpr int FrameSettles = 100;  // ms

PreviewSeen openPreview(PicturePreviewPane& pane) {
    PreviewSeen seen;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window) return;
        // Under a window manager the frame is known once the window is shown.
        if (QTest::qWaitForWindowExposed(window)) QTest::qWait(FrameSettles);
        seen.title = window->windowTitle();
        seen.window = window->frameGeometry().size();
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (!label->pixmap().isNull()) seen.picture = label->pixmap().size();
        window->close();
    });
    pane.openPreviewWindow();
    return seen;
}
}  // namespace

TEST(PicturePreviewPane, ThePreviewWindowFitsTheScreenKeepingTheAspectAndSaysTheScale) {
    PictureFiles files;
    PicturePreviewPane pane;
    const QSize room = pane.screen()->availableGeometry().size();

    // A GIF of a few bytes that claims a large logical screen.
    files.write("wide.gif", EncodeGif({16020, 6020}, {qRgb(0, 0, 255)}, {SolidFrame({4, 4}, 0)}));
    pane.showFile(files.path("wide.gif"));
    ASSERT_EQ(pane.caption(), " (16020x6020)");
    PreviewSeen seen = openPreview(pane);
    EXPECT_LE(seen.window.width(), room.width());
    EXPECT_LE(seen.window.height(), room.height());
    ASSERT_FALSE(seen.picture.isEmpty());
    EXPECT_NEAR(double(seen.picture.width()) / seen.picture.height(), 16020.0 / 6020.0, 0.02);
    const QRegularExpressionMatch scale =
        QRegularExpression("^Preview \\((\\d+)%\\)$").match(seen.title);
    ASSERT_TRUE(scale.hasMatch()) << qPrintable(seen.title);
    EXPECT_NEAR(scale.captured(1).toInt(), seen.picture.width() * 100.0 / 16020, 1.0);

    // A tall one is bounded by the height.
    files.write("tall.gif", EncodeGif({814, 3372}, {qRgb(0, 0, 255)}, {SolidFrame({4, 4}, 0)}));
    pane.showFile(files.path("tall.gif"));
    seen = openPreview(pane);
    EXPECT_LE(seen.window.height(), room.height());
    EXPECT_NEAR(double(seen.picture.width()) / seen.picture.height(), 814.0 / 3372.0, 0.02);
    EXPECT_TRUE(seen.title.startsWith("Preview ("));

    // One that fits is shown 1:1, the window the picture plus its margin.
    files.write("small.gif", EncodeGif({40, 30}, {qRgb(0, 0, 255)}, {SolidFrame({40, 30}, 0)}));
    pane.showFile(files.path("small.gif"));
    seen = openPreview(pane);
    EXPECT_EQ(seen.title, "Preview");
    EXPECT_EQ(seen.picture, QSize(40, 30));
}
