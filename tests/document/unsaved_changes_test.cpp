// SPDX-License-Identifier: GPL-3.0-or-later
// The title marks unsaved changes; closing or opening another document
// asks before they are lost; a save that fails keeps the old file.

#include <csignal>

#include <sys/resource.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "document/document_fixture.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

using Answer = SaveChangesQuestion::Answer;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files larger than `bytes` cannot be written while it lives: writes fail
// as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

}  // namespace

using UnsavedChanges = DocumentFixture;

TEST_F(UnsavedChanges, TheTitleNamesTheDocumentAndMarksWhatASaveWouldWrite) {
    EXPECT_EQ(Form1->windowTitle(), "Sleevix v2.0");  // nothing to lose yet
    addTracks({QStringLiteral("Intro")});
    EXPECT_EQ(Form1->windowTitle(), "Untitled* - Sleevix v2.0");
    saveAs(pathOf("cover.sleevix"));
    EXPECT_EQ(Form1->windowTitle(), "cover.sleevix - Sleevix v2.0");

    const struct {
        const char* change;
        std::function<void()> make;
        std::function<void()> undo;
    } changes[] = {
        {"a switch", [] { Form1->CheckBox4->setChecked(true); },
         [] { Form1->CheckBox4->setChecked(false); }},
        {"the artist field", [] { Form2->Edit3->setText("Someone"); },
         [] { Form2->Edit3->setText("<Type in name of the artist here>"); }},
        {"a track", [this] { addTracks({QStringLiteral("Outro")}); }, nullptr},
        {"the commit", [this] { commit(); }, nullptr},
        {"a typeface",
         [this] {
             fontDialog->answers = {{QFont(QStringLiteral("Liberation Serif")), Qt::red}};
             run([] { Form1->Button1Click(); });
         },
         nullptr},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.change);
        change.make();
        EXPECT_EQ(Form1->windowTitle(), "cover.sleevix* - Sleevix v2.0");
        if (change.undo)
            change.undo();
        else
            save();
        EXPECT_EQ(Form1->windowTitle(), "cover.sleevix - Sleevix v2.0");
    }
    // Which page is showing is no part of the cover.
    Form1->TabbedNotebook1->setCurrentIndex(1);
    EXPECT_EQ(Form1->windowTitle(), "cover.sleevix - Sleevix v2.0");
}

TEST_F(UnsavedChanges, ClosingAsksAndDoesWhatTheAnswerSays) {
    // Nothing to lose: no question.
    EXPECT_TRUE(Form1->close());
    EXPECT_TRUE(saveChanges->askedAbout.isEmpty());

    restart();
    addTracks({QStringLiteral("Intro")});
    saveChanges->answers = {Answer::Cancel};
    EXPECT_FALSE(Form1->close());
    EXPECT_TRUE(Form1->isVisible());

    // Save on a cover that has no file yet asks for a name; declining it
    // keeps the window.
    saveChanges->answers = {Answer::Save};
    saveDialog->answers = {QString()};
    EXPECT_FALSE(Form1->close());
    saveChanges->answers = {Answer::Save};
    saveDialog->answers = {pathOf("closing.sleevix")};
    EXPECT_TRUE(Form1->close());
    EXPECT_TRUE(contentsOf(pathOf("closing.sleevix")).contains("\"1. Intro\""));
    EXPECT_EQ(saveChanges->askedAbout, QStringList({"", "", ""}));

    restart();
    saveAs(pathOf("named.sleevix"));
    addTracks({QStringLiteral("Dropped")});
    saveChanges->answers = {Answer::Discard};
    EXPECT_TRUE(Form1->close());
    EXPECT_EQ(saveChanges->askedAbout, QStringList({"named.sleevix"}));
    EXPECT_FALSE(contentsOf(pathOf("named.sleevix")).contains("Dropped"));
}

TEST_F(UnsavedChanges, OpeningAnotherDocumentAsksFirst) {
    saveAs(pathOf("other.sleevix"));
    addTracks({QStringLiteral("Unsaved")});
    const CoverDocument unsaved = CaptureCover();

    saveChanges->answers = {Answer::Cancel};
    openFile(pathOf("other.sleevix"));
    EXPECT_TRUE(CaptureCover() == unsaved);

    saveChanges->answers = {Answer::Discard};
    openFile(pathOf("other.sleevix"));
    EXPECT_EQ(Form2->ListBox1->count(), 0);
    EXPECT_EQ(Form1->windowTitle(), "other.sleevix - Sleevix v2.0");
    EXPECT_EQ(saveChanges->askedAbout.size(), 2);

    // Opening the document shown, its changes saved first: the window then
    // shows what was saved, not what the file held before.
    addTracks({QStringLiteral("Saved")});
    saveChanges->answers = {Answer::Save};
    openFile(pathOf("other.sleevix"));
    EXPECT_EQ(Form2->ListBox1->count(), 1);
    EXPECT_EQ(Form1->windowTitle(), "other.sleevix - Sleevix v2.0");
}

TEST_F(UnsavedChanges, TheQuitItemAndShortcutsReachTheCommands) {
    QApplication::setActiveWindow(Form1);
    addTracks({QStringLiteral("Intro")});
    saveDialog->answers = {pathOf("keys.sleevix")};
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(contentsOf(pathOf("keys.sleevix")).contains("\"1. Intro\""));
    EXPECT_EQ(saveDialog->executions, 1);
    QTest::keyClick(Form1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(saveDialog->executions, 2);  // "Save As" always asks
    QTest::keyClick(Form1, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(openDialog->executions, 1);
    QTest::keyClick(Form1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Form1->isVisible());
}

TEST_F(UnsavedChanges, NewAsksFirstThenEveryWindowStandsAsTheProgramStarts) {
    // What the user can see or reach of the windows, beside the cover.
    const auto standing = [] {
        QStringList seen{Form1->windowTitle(), Form1->FontDialog1->Font.toString(),
                         Form1->FontDialog1->Color.name(), Form1->ColorDialog1->Color.name(),
                         Form1->OpenPictureDialog1->FileName,
                         QString::number(Form1->TabbedNotebook1->currentIndex())};
        for (const QWidget* control : std::initializer_list<const QWidget*>{
                 Form1->Button1, Form1->BitBtn1, Form1->BitBtn2, Form1->button4, Form2->Button1})
            seen << QString::number(control->isEnabled());
        return seen;
    };
    const QStringList atStart = standing();
    const CoverDocument startCover = CaptureCover();
    const std::vector<QImage> startPixels = surfacePixels();
    const QImage startOverlay = Form1->Image5.image().copy();

    addTracks({QStringLiteral("Intro")});
    setArtistAndTitle(QStringLiteral("Artist"), QStringLiteral("Title"));
    commit();
    choosePicture(0, writePicture(pathOf("back.bmp")));
    fontDialog->answers = {{QFont(QStringLiteral("Liberation Serif")), Qt::red}};
    run([] { Form1->Button1Click(); });
    colorDialog->answers = {Qt::blue};
    run([] { Form1->Button2Click(); });
    Form1->CheckBox4->setChecked(true);
    Form1->TabbedNotebook1->setCurrentIndex(1);

    QApplication::setActiveWindow(Form1);
    saveChanges->answers = {Answer::Cancel};
    QTest::keyClick(Form1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Form2->ListBox1->count(), 1);
    saveChanges->answers = {Answer::Discard};
    QTest::keyClick(Form1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(saveChanges->askedAbout, QStringList({"", ""}));
    EXPECT_EQ(standing(), atStart);
    EXPECT_TRUE(CaptureCover() == startCover);
    EXPECT_TRUE(surfacePixels() == startPixels);
    EXPECT_EQ(Form1->Image5.image(), startOverlay);
}

TEST_F(UnsavedChanges, ASaveRemovesWhatAKilledSaveLeftButNotAWriteInProgress) {
    const auto passingFile = [&](const char* name, qint64 ageSeconds) {
        QFile file(pathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{}");
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                         QFileDevice::FileModificationTime);
    };
    passingFile(".sleevix-Ab12Cd", 3600);  // whole, left by a kill before its rename
    passingFile(".sleevix-Ef34Gh", 0);     // another window's save, in progress
    addTracks({QStringLiteral("Intro")});
    saveAs(pathOf("cover.sleevix"));
    saveAs(pathOf("cover.sleevix"));  // a replacing save passes a name too
    EXPECT_EQ(QDir(pathOf("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{".sleevix-Ef34Gh", "cover.sleevix"}));
}

TEST_F(UnsavedChanges, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    addTracks({QStringLiteral("Saved once")});
    saveAs(pathOf("cover.sleevix"));
    const QByteArray old = contentsOf(pathOf("cover.sleevix"));
    addTracks({QStringLiteral("A track with a long name to make the document larger")});
    {
        const FileSizeLimit full(old.size() + 10);
        save();
    }
    ASSERT_EQ(errors->shown.size(), 1);
    EXPECT_EQ(errors->shown[0], "Cannot save " + pathOf("cover.sleevix") + ": the disk is full.");
    EXPECT_EQ(contentsOf(pathOf("cover.sleevix")), old);
    // Nothing half-written is left beside it, hidden or not.
    EXPECT_EQ(QDir(pathOf("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"cover.sleevix"});
    EXPECT_EQ(Form1->windowTitle(), "cover.sleevix* - Sleevix v2.0");

    // Nor does closing go ahead when the save it asked for fails.
    saveChanges->answers = {Answer::Save};
    {
        const FileSizeLimit full(old.size() + 10);
        EXPECT_FALSE(Form1->close());
    }
    EXPECT_EQ(contentsOf(pathOf("cover.sleevix")), old);
}
