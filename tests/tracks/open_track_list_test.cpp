// SPDX-License-Identifier: GPL-3.0-or-later
// Track lists and audio opened as files: File > Open, and the command line
// making a cover straight from a CUE sheet.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/open_file.h"
#include "document/document_fixture.h"
#include "support/audio_files.h"
#include "support/pdf_pages.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

namespace {

class OpenTrackList : public DocumentFixture {
  protected:
    QString cueSheet() {
        const QString path = pathOf("album.cue");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "PERFORMER \"The Band\"\nTITLE \"The Album\"\nFILE \"a.wav\" WAVE\n"
            "TRACK 01 AUDIO\nTITLE \"Opener\"\nINDEX 01 00:00:00\n"
            "TRACK 02 AUDIO\nTITLE \"Closer\"\nINDEX 01 04:00:00\n");
        return path;
    }
    QStringList entries() const {
        QStringList texts;
        for (int i = 0; i < Form2->ListBox1->count(); ++i) texts << Form2->trackEntry(i);
        return texts;
    }
};

TEST_F(OpenTrackList, FileOpenPutsTheTracksOnTheCoverAndLaysItOut) {
    // Like any file opened over a changed cover, asked about first.
    setArtistAndTitle("Typed Artist", "Typed Title");
    saveChanges->answers.assign(3, SaveChangesQuestion::Answer::Discard);
    openFile(cueSheet());
    EXPECT_EQ(saveChanges->askedAbout.size(), 1);
    EXPECT_TRUE(errors->shown.isEmpty()) << errors->shown.join(' ').toStdString();
    EXPECT_EQ(entries(), (QStringList{"1. Opener", "2. Closer"}));
    EXPECT_EQ(Form2->Edit3->text(), "The Band");
    EXPECT_EQ(Form2->Edit2->text(), "The Album");
    EXPECT_EQ(TrackCount, 2);
    // Laid out as "Continue" lays it out, the look commands open.
    EXPECT_TRUE(CoverCommitted);
    EXPECT_EQ(ArtistName, "The Band");
    EXPECT_GT(TrackLineHeight, 0);
    EXPECT_TRUE(Form1->BitBtn1->isEnabled());
    EXPECT_TRUE(Form2->Button1->isEnabled());

    // A list longer than the cover: the first 41 and a note; a plain list
    // names no artist, so the cover made from it has none.
    QByteArray lines;
    for (int i = 1; i <= 43; ++i) lines += "Song " + QByteArray::number(i) + "\n";
    QFile list(pathOf("long.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(lines);
    list.close();
    openFile(list.fileName());
    EXPECT_EQ(TrackCount, 41);
    EXPECT_EQ(entries().last(), "41. Song 41");
    EXPECT_EQ(Form2->Edit3->text(), "");
    EXPECT_EQ(errors->shown,
              QStringList{"2 of 43 tracks were left out: a cover holds at most 41 tracks."});

    // A folder of audio files, as "sleevix FOLDER" opens it.
    QDir().mkpath(pathOf("Album"));
    for (const char* title : {"Two", "One"}) {
        const QString song = pathOf(QStringLiteral("Album/%1.flac").arg(title));
        WriteSilentAudio(song, AudioKind::Flac, 1);
        WriteTags(
            song, AudioKind::Flac,
            {title, "Solo", "", "Songs", title == QLatin1String("One") ? "1" : "2", "", false});
    }
    errors->shown.clear();
    openFile(pathOf("Album"));
    EXPECT_EQ(entries(), (QStringList{"1. One", "2. Two"}));
    EXPECT_EQ(Form2->Edit3->text(), "Solo");
    EXPECT_TRUE(errors->shown.isEmpty());

    EXPECT_TRUE(OpenableFileFilters().contains("*.cue"));
    EXPECT_TRUE(OpenableFileFilters().contains("*.flac"));
}

TEST_F(OpenTrackList, TheCommandLineExportsACoverStraightFromACueSheet) {
    const QString pdf = pathOf("album.pdf");
    QProcess sleevix;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    sleevix.setProcessEnvironment(environment);
    auto exportedWords = [&](const QString& from, const QStringList& options = {}) {
        sleevix.start(QStringLiteral(SLEEVIX_EXECUTABLE), QStringList{"--export", pdf, from} + options);
        EXPECT_TRUE(sleevix.waitForFinished(60000));
        EXPECT_EQ(sleevix.exitCode(), 0) << sleevix.readAllStandardError().toStdString();
        QStringList words;
        for (const PdfWord& word : PdfWords(pdf)) words << word.text;
        return words.join(' ');
    };
    const QString page = exportedWords(cueSheet());
    if (page.isEmpty()) GTEST_SKIP() << "needs pdftotext (poppler-utils)";
    for (const char* text : {"1. Opener", "2. Closer", "The Band", "The Album"})
        EXPECT_TRUE(page.contains(text)) << text;
    EXPECT_FALSE(page.contains("(4:00)"));
    // The editor's "Add track lengths", from the command line.
    EXPECT_TRUE(exportedWords(cueSheet(), {"--lengths"}).contains("1. Opener (4:00)"));

    // A list that names no artist or title prints none, not the prompts.
    QFile list(pathOf("plain.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("Alpha\nBeta\n");
    list.close();
    const QString plain = exportedWords(list.fileName());
    EXPECT_TRUE(plain.contains("2. Beta")) << plain.toStdString();
    EXPECT_FALSE(plain.contains("Type")) << plain.toStdString();
}

}  // namespace
