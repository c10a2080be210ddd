#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "pictures/picture_dialog.h"
#include "pictures/picture_files.h"
#include "pictures/picture_format_table.h"
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
    ASSERT_EQ(choices.size(), 8);
    EXPECT_TRUE(choices[0].startsWith("All (*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.emf;*.wmf) ("));
    EXPECT_TRUE(choices[1].startsWith("JPEG Image File (*.jpg) ("));
    EXPECT_TRUE(choices[7].startsWith("Metafiles (*.wmf) ("));

    const QStringList all = masksOf(choices[0]);
    for (const char* name : {"a.jpg", "B.JPEG", "c.Gif", "d.bmp", "e.ICO", "f.emf", "g.wmf"})
        EXPECT_TRUE(QDir::match(all, name)) << name;
    EXPECT_FALSE(QDir::match(all, "h.png"));
    EXPECT_FALSE(QDir::match(all, "jpg"));
    EXPECT_TRUE(QDir::match(masksOf(choices[1]), "PHOTO.JPG"));
    EXPECT_FALSE(QDir::match(masksOf(choices[1]), "photo.jpeg"));
    EXPECT_FALSE(QDir::match(masksOf(choices[4]), "picture.gif"));
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
