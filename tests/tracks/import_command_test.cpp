// SPDX-License-Identifier: GPL-3.0-or-later
// "Import..." in the editor: what it asks, what it fills, what it leaves
// alone, and files dropped onto the editor.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "app/cover_state.h"
#include "support/audio_files.h"
#include "tracks/editor_fixture.h"

namespace {

using Mode = TrackListQuestions::ImportMode;

class ImportCommand : public EditorFixture {
  protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString cueSheet() {
        return write("album.cue",
                     "PERFORMER \"The Band\"\nTITLE \"The Album\"\n"
                     "FILE \"album.wav\" WAVE\n"
                     "TRACK 01 AUDIO\nTITLE \"Opener\"\nINDEX 01 00:00:00\n"
                     "TRACK 02 AUDIO\nTITLE \"Closer\"\nINDEX 01 02:30:00\n");
    }
    QString numberedLines(int count) {
        QByteArray text;
        for (int i = 1; i <= count; ++i) text += "Line " + QByteArray::number(i) + "\n";
        return write(QStringLiteral("%1.txt").arg(count), text);
    }
    void importFile(const QString& path) {
        sources->answers.push_back({path});
        Form2->ImportFilesAction->trigger();
    }
    void drop(QWidget* target, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        // A file manager's drag with Shift held proposes a move; the
        // program only reads the files, so it takes a copy.
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted()) << target->metaObject()->className();
        QDropEvent dropped(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &dropped);
        EXPECT_EQ(dropped.dropAction(), Qt::CopyAction) << target->metaObject()->className();
    }

    QTemporaryDir temporary;
    QDir folder{temporary.path()};
};

TEST_F(ImportCommand, AnEmptyListIsFilledWithTheSourcesTracksArtistAndTitle) {
    importFile(cueSheet());
    EXPECT_EQ(entries(), (QStringList{"1. Opener", "2. Closer"}));
    EXPECT_EQ(Form2->Edit3->text(), "The Band");
    EXPECT_EQ(Form2->Edit2->text(), "The Album");
    EXPECT_EQ(TrackCount, 2);
    EXPECT_EQ(Form2->TrackCountLabel->text(), "2 of 41 tracks");
    EXPECT_TRUE(Form2->Button1->isEnabled());
    EXPECT_TRUE(questions->asked.isEmpty());
    EXPECT_TRUE(errors->shown.isEmpty());
    // Appending goes on from there.
    type("Encore");
    EXPECT_EQ(entries().last(), "3. Encore");
}

TEST_F(ImportCommand, AListWithEntriesIsReplacedOrAppendedToAsTheUserSays) {
    type("Mine");
    Form2->Edit3->setText("My Artist");  // typed: appending keeps it
    questions->importModes = {Mode::Cancel, Mode::Append, Mode::Replace};

    importFile(cueSheet());
    EXPECT_EQ(entries(), QStringList{"1. Mine"});
    importFile(cueSheet());
    EXPECT_EQ(entries(), (QStringList{"1. Mine", "2. Opener", "3. Closer"}));
    EXPECT_EQ(Form2->Edit3->text(), "My Artist");
    EXPECT_EQ(Form2->Edit2->text(), "The Album");  // still its prompt: filled
    importFile(cueSheet());
    EXPECT_EQ(entries(), (QStringList{"1. Opener", "2. Closer"}));
    EXPECT_EQ(Form2->Edit3->text(), "The Band");
    EXPECT_EQ(TrackCount, 2);
    EXPECT_EQ(questions->asked,
              (QStringList{"import 2 onto 1", "import 2 onto 1", "import 2 onto 3"}));
}

TEST_F(ImportCommand, MoreThanTheCoverHoldsTakesTheFirst41AndSaysHowManyWereLeftOut) {
    importFile(numberedLines(45));
    EXPECT_EQ(TrackCount, 41);
    EXPECT_EQ(entries().first(), "1. Line 1");
    EXPECT_EQ(entries().last(), "41. Line 41");
    EXPECT_EQ(errors->shown,
              QStringList{"4 of 45 tracks were left out: a cover holds at most 41 tracks."});

    // Exactly 41 fits; appended to 40 entries, only one of them does.
    questions->importModes = {Mode::Replace, Mode::Append};
    importFile(numberedLines(41));
    EXPECT_EQ(TrackCount, 41);
    EXPECT_EQ(errors->shown.size(), 1);
    Form2->ListBox1->setCurrentRow(40);
    Form2->DeleteAction->trigger();
    importFile(numberedLines(3));
    EXPECT_EQ(entries().last(), "41. Line 1");
    EXPECT_EQ(errors->shown.last(),
              "2 of 3 tracks were left out: a cover holds at most 41 tracks.");
}

TEST_F(ImportCommand, AFileThatCannotBeImportedChangesNothingAndAsksNothing) {
    type("Mine");
    const QString before = Form2->Edit3->text();
    importFile(write("broken.cue", "TRACK 01 AUDIO\nINDEX 01 oops\n"));
    importFile(write("silence.flac", "not really"));
    EXPECT_EQ(errors->shown,
              (QStringList{"\"broken.cue\", line 2: INDEX needs a number and a time mm:ss:ff.",
                           "\"silence.flac\" is damaged or not the audio file its name says."}));
    EXPECT_EQ(entries(), QStringList{"1. Mine"});
    EXPECT_EQ(Form2->Edit3->text(), before);
    EXPECT_TRUE(questions->asked.isEmpty());
    // A cancelled dialog does nothing at all.
    Form2->ImportFolderAction->trigger();
    EXPECT_EQ(entries(), QStringList{"1. Mine"});
    EXPECT_EQ(sources->asked.back(), TrackSourceDialog::Choose::Folder);
}

TEST_F(ImportCommand, AFolderOfAudioFilesWithLengthsWhenAskedAndUndoneInOneStep) {
    for (int i = 1; i <= 3; ++i) {
        const QString path = folder.filePath(QStringLiteral("%1.flac").arg(i));
        WriteSilentAudio(path, AudioKind::Flac, 60 + i);
        ASSERT_TRUE(WriteTags(path, AudioKind::Flac,
                              {QStringLiteral("Song %1").arg(i), "Artist", "", "Album",
                               QString::number(i), "", false}));
    }
    Form2->AddLengthsAction->setChecked(true);
    sources->answers.push_back({folder.path()});
    Form2->ImportFolderAction->trigger();
    EXPECT_EQ(entries(), (QStringList{"1. Song 1 (1:01)", "2. Song 2 (1:02)", "3. Song 3 (1:03)"}));
    EXPECT_EQ(Form2->Edit3->text(), "Artist");
    EXPECT_EQ(Form2->Edit2->text(), "Album");

    QTest::keyClick(Form2->Edit1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(Form2->Edit3->text(), TForm2::ArtistPrompt());
    EXPECT_EQ(Form2->Edit2->text(), TForm2::TitlePrompt());
    EXPECT_EQ(TrackCount, 0);
}

TEST_F(ImportCommand, FilesDroppedOnTheEditorAreImported) {
    const QString list = write("list.txt", "One\nTwo\n");
    questions->importModes = {Mode::Replace, Mode::Replace, Mode::Replace};
    for (QWidget* target :
         {static_cast<QWidget*>(Form2), Form2->ListBox1->viewport(),
          static_cast<QWidget*>(Form2->Edit3), static_cast<QWidget*>(Form2->Edit1)}) {
        SCOPED_TRACE(target->metaObject()->className());
        Form2->Edit3->setText("Artist");
        drop(target, {list});
        EXPECT_EQ(entries(), (QStringList{"1. One", "2. Two"}));
        // Dropped on a field, the file is not typed in as its address.
        EXPECT_EQ(Form2->Edit3->text(), "Artist");
        EXPECT_TRUE(Form2->Edit1->text().isEmpty());
    }
    EXPECT_EQ(questions->asked.size(), 3);
    EXPECT_TRUE(errors->shown.isEmpty());
}

}  // namespace
