// SPDX-License-Identifier: GPL-3.0-or-later
// CUE sheets, playlists and text lists as they come from rippers, players
// and people: quoting, encodings, numbering, and files that are no list.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/sleevix_error.h"
#include "support/audio_files.h"
#include "tracks/import/imported_tracks.h"
#include "tracks/import/pasted_titles.h"
#include "tracks/import/track_import.h"

namespace {

class ListImport : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QStringList titles(const ImportedTracks& imported) {
        QStringList texts;
        for (const ImportedTrack& track : imported.tracks) texts << track.title;
        return texts;
    }
    static QVector<int> lengths(const ImportedTracks& imported) {
        QVector<int> ms;
        for (const ImportedTrack& track : imported.tracks) ms << track.lengthMs;
        return ms;
    }
    static QString errorOf(const QStringList& paths) {
        try {
            ImportTracks(paths, true);
        } catch (const SleevixError& error) {
            return error.message();
        }
        return QStringLiteral("(imported)");
    }

    QTemporaryDir temporary;
    QDir folder{temporary.path()};
};

TEST_F(ListImport, ACueSheetGivesDiscPerformerTitleTracksAndLengthsFromItsIndexes) {
    // The sheet names the WAV the rip began as; the FLAC beside it is read
    // for the last track's end.
    WriteSilentAudio(folder.filePath("Album.flac"), AudioKind::Flac, 600);
    const QString sheet = write("Album.cue",
                                "REM GENRE Rock\r\n"
                                "PERFORMER \"The Band\"\r\n"
                                "TITLE \"Live at Home\"\r\n"
                                "FILE \"Album.wav\" WAVE\r\n"
                                "  TRACK 01 AUDIO\r\n"
                                "    TITLE \"Intro\"\r\n"
                                "    PERFORMER \"The Band\"\r\n"
                                "    INDEX 01 00:00:00\r\n"
                                "  TRACK 02 AUDIO\r\n"
                                "    TITLE \"Song\"\r\n"
                                "    FLAGS DCP\r\n"
                                "    INDEX 00 03:20:00\r\n"
                                "    INDEX 01 03:22:37\r\n"
                                "  TRACK 03 AUDIO\r\n"
                                "    TITLE \"Guest Spot\"\r\n"
                                "    PERFORMER \"A Friend\"\r\n"
                                "    INDEX 01 07:00:00\r\n");
    const ImportedTracks imported = ImportTracks({sheet}, true);
    EXPECT_EQ(imported.artist, "The Band");
    EXPECT_EQ(imported.album, "Live at Home");
    EXPECT_EQ(titles(imported), (QStringList{"Intro", "Song", "Guest Spot"}));
    // 3:22 + 37/75 s; 7:00 - 3:22.493; 10:00 - 7:00.
    EXPECT_EQ(lengths(imported), (QVector<int>{202493, 217506, 180000}));
    EXPECT_EQ(EntryTexts(imported, true),
              (QStringList{"Intro (3:22)", "Song (3:38)", "A Friend - Guest Spot (3:00)"}));
    EXPECT_EQ(EntryTexts(imported, false), (QStringList{"Intro", "Song", "A Friend - Guest Spot"}));
}

TEST_F(ListImport, ACueSheetWithOneFilePerTrackMeasuresEachFile) {
    // As rippers write them: the next track's pregap at the end of the
    // previous file; the last file is missing, so its length is unknown.
    WriteSilentAudio(folder.filePath("01.flac"), AudioKind::Flac, 125);
    WriteSilentAudio(folder.filePath("02.flac"), AudioKind::Flac, 61);
    const QString sheet = write("rip.cue",
                                "FILE \"01.flac\" WAVE\n"
                                "TRACK 01 AUDIO\n"
                                "TITLE \"One\"\n"
                                "INDEX 01 00:00:00\n"
                                "TRACK 02 AUDIO\n"
                                "TITLE \"Two\"\n"
                                "INDEX 00 02:03:00\n"
                                "FILE \"02.flac\" WAVE\n"
                                "INDEX 01 00:00:00\n"
                                "FILE \"03.flac\" WAVE\n"
                                "TRACK 03 AUDIO\n"
                                "TITLE \"Three\"\n"
                                "INDEX 01 00:00:00\n");
    const ImportedTracks imported = ImportTracks({sheet}, true);
    EXPECT_EQ(lengths(imported), (QVector<int>{125000, 61000, -1}));
    EXPECT_EQ(EntryTexts(imported, true), (QStringList{"One (2:05)", "Two (1:01)", "Three"}));
}

TEST_F(ListImport, ACueSheetWithOddQuotingInLatin1IsReadAsMeant) {
    // Lower-case keywords, tabs, an unquoted title, quotes inside quotes, a
    // missing closing quote, and Latin-1 bytes that are no valid UTF-8.
    const QString sheet = write("odd.cue",
                                "performer Bj\xF6rk\n"
                                "title\t\"Caf\xE9 \"Live\"\"\n"
                                "FILE album.wav WAVE\n"
                                "track 1 audio\n"
                                "\ttitle Unquoted words here\n"
                                "TRACK 2 AUDIO\n"
                                "  TITLE \"No closing quote\n"
                                "TRACK 3 AUDIO\n"
                                "  TITLE \"\"\n");
    const ImportedTracks imported = ImportTracks({sheet}, false);
    EXPECT_EQ(imported.artist, QString::fromUtf8("Björk"));
    EXPECT_EQ(imported.album, QString::fromUtf8("Café \"Live\""));
    EXPECT_EQ(titles(imported), (QStringList{"Unquoted words here", "No closing quote", ""}));
    EXPECT_EQ(lengths(imported), (QVector<int>{-1, -1, -1}));

    // The same in UTF-8 after a byte-order mark.
    const QString utf8 =
        write("utf8.cue", "\xEF\xBB\xBFPERFORMER \"Bj\xC3\xB6rk\"\nTRACK 01 AUDIO\n");
    EXPECT_EQ(ImportTracks({utf8}, false).artist, QString::fromUtf8("Björk"));
}

TEST_F(ListImport, FilesThatAreNoListSayWhyAndGiveNothing) {
    const struct {
        const char* name;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"empty.cue", "", "\"empty.cue\" is no CUE sheet: it has no TRACK"},
        {"notes.cue", "Just some notes\n", "\"notes.cue\" is no CUE sheet: it has no TRACK"},
        {"bad.cue", "TRACK 01 AUDIO\nINDEX 01 3:61:00\n",
         "\"bad.cue\", line 2: INDEX needs a number and a time mm:ss:ff"},
        {"nonumber.cue", "TRACK AUDIO\n", "\"nonumber.cue\", line 1: TRACK without a number"},
        {"binary.cue", QByteArray("TRACK 01\0\x01\x02", 11), "\"binary.cue\" is not a text file"},
        {"empty.m3u", "#EXTM3U\n\n#EXTINF:10,Orphan\n", "\"empty.m3u\" names no tracks"},
        {"empty.txt", "\r\n  \n\t\n", "\"empty.txt\" holds no tracks"},
        {"huge.txt", QByteArray(2 << 20, 'x'), "Cannot open file \"huge.txt\". It is too large to be a track list (2097152 bytes)"},
        {"cover.jpg", "\xFF\xD8\xFF",
         "\"cover.jpg\" is no CUE sheet, playlist, text file or audio "
         "file to take tracks from"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorOf({write(c.name, c.bytes)}), c.message);
    }
    EXPECT_EQ(errorOf({folder.filePath("gone.cue")}), "\"gone.cue\" does not exist");
    ASSERT_TRUE(QFile::link(folder.filePath("loop.cue"), folder.filePath("loop.cue")));
    EXPECT_EQ(errorOf({folder.filePath("loop.cue")}),
              "Cannot open file \"loop.cue\". Too many levels of symbolic links");
    EXPECT_EQ(errorOf({write("a.txt", "A\n"), write("b.txt", "B\n")}),
              "Import one CUE sheet, playlist or text file at a time, without other files");
}

TEST_F(ListImport, APlaylistGivesExtinfTitlesOrFileNames) {
    const QString playlist = write("mix.m3u8",
                                   "#EXTM3U\n"
                                   "#PLAYLIST:Summer Mix\n"
                                   "#EXTINF:185,The Band - First Song\n"
                                   "music/01 first.flac\n"
                                   "#EXTINF:-1 tvg-name=\"a, b\",The Band - Second Song\n"
                                   "http://radio.example/stream\n"
                                   "#EXTINF:61.6,The Band - Third, With Comma\n"
                                   "C:\\Music\\03.mp3\n"
                                   "#EXTINF:2147483.647,The Band - Fourth\n"
                                   "04.mp3\n"
                                   "#EXTINF:1e300,The Band - Fifth\n"
                                   "05.mp3\n");
    const ImportedTracks imported = ImportTracks({playlist}, true);
    // The one artist every title begins with becomes the list's.
    EXPECT_EQ(imported.artist, "The Band");
    EXPECT_EQ(imported.album, "Summer Mix");
    EXPECT_EQ(titles(imported), (QStringList{"First Song", "Second Song", "Third, With Comma",
                                             "Fourth", "Fifth"}));
    // Lengths no track can have are no lengths.
    EXPECT_EQ(lengths(imported), (QVector<int>{185000, -1, 61600, -1, -1}));
    EXPECT_EQ(EntryTexts(imported, true).last(), "Fifth");

    // Without #EXTINF: the file names without extension, from any kind of
    // path; titles by several artists keep them.
    const QString plain = write("plain.m3u",
                                "/home/me/Music/Some%20Song.mp3\n"
                                "file:///home/me/Music/Other%20Song.ogg\n"
                                "..\\Windows\\Third.wma\n"
                                "#EXTINF:1,A - One\n"
                                "x.mp3\n"
                                "#EXTINF:1,B - Two\n"
                                "y.mp3\n");
    const ImportedTracks names = ImportTracks({plain}, false);
    EXPECT_EQ(titles(names),
              (QStringList{"Some%20Song", "Other Song", "Third", "A - One", "B - Two"}));
    EXPECT_TRUE(names.artist.isEmpty());
    // Track numbers in the names are not doubled with the list's.
    const QString numbered = write("numbered.m3u", "01 - Alpha.mp3\nmusic/02 Beta.flac\n");
    EXPECT_EQ(titles(ImportTracks({numbered}, false)), (QStringList{"Alpha", "Beta"}));

    // #EXTART names the artist itself; Latin-1 in a .m3u is read as such.
    const QString named =
        write("named.m3u", "#EXTART:Mot\xF6rhead\n#EXTALB:Ace\n#EXTINF:5,X - Y\na.mp3\n");
    EXPECT_EQ(ImportTracks({named}, false).artist, QString::fromUtf8("Motörhead"));
    EXPECT_EQ(titles(ImportTracks({named}, false)), QStringList{"X - Y"});
}

TEST_F(ListImport, ATextListIsReadAsAPasteIs) {
    const QString list =
        write("tracks.txt", "1. Intro\r\n\r\n2. 99 Luftballons\r\n  3) Outro  \r\n");
    EXPECT_EQ(titles(ImportTracks({list}, true)),
              (QStringList{"Intro", "99 Luftballons", "Outro"}));
    EXPECT_TRUE(ImportTracks({list}, true).artist.isEmpty());
    // A CUE sheet's titles follow the same rule.
    const QString sheet = write("numbered.cue",
                                "FILE \"a.wav\" WAVE\n"
                                "TRACK 01 AUDIO\nTITLE \"01 Alpha\"\nINDEX 01 00:00:00\n"
                                "TRACK 02 AUDIO\nTITLE \"2. Beta\"\nINDEX 01 01:00:00\n"
                                "TRACK 03 AUDIO\nTITLE \"3 - Gamma\"\nINDEX 01 02:00:00\n");
    EXPECT_EQ(titles(ImportTracks({sheet}, false)), (QStringList{"Alpha", "Beta", "Gamma"}));
}

TEST(PastedTitles, ListNumbersAreDroppedWhereTheyCountUpOrAreTheLinesPlace) {
    const struct {
        const char* text;
        QStringList titles;
    } cases[] = {
        {"3. Three\n4. Four", {"Three", "Four"}},
        {"03 Three\n04 Four\n05 - Five", {"Three", "Four", "Five"}},
        {"1) One\n2)Two", {"One", "Two"}},
        {"1 - One\n2 \xE2\x80\x93 Two", {"One", "Two"}},
        // A second disc starts again at 1.
        {"1. A\n2. B\n1. C\n2. D", {"A", "B", "C", "D"}},
        {"1. Intro\n", {"Intro"}},
        // Titles that merely begin with digits keep them.
        {"99 Luftballons\n", {"99 Luftballons"}},
        {"99 Luftballons\nBlue Monday", {"99 Luftballons", "Blue Monday"}},
        // Else a number is dropped where it is the line's place, and kept
        // as part of the title where it is not.
        {"1. A\n3. B", {"A", "3. B"}},
        {"1. Alpha\n02 Beta\nGamma", {"Alpha", "Beta", "Gamma"}},
        {"7 Seconds\n99 Luftballons", {"7 Seconds", "99 Luftballons"}},
        {"1999\n2000", {"1999", "2000"}},
        // Empty lines and blanks around lines go; every kind of line break.
        {"\n  A  \r\n\rB\xE2\x80\xA8"
         "C\n\n",
         {"A", "B", "C"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TitlesFromLines(QString::fromUtf8(c.text)), c.titles);
    }
    EXPECT_FALSE(IsSeveralLines(QStringLiteral("one line")));
    EXPECT_TRUE(IsSeveralLines(QStringLiteral("a\rb")));
}

}  // namespace
