// SPDX-License-Identifier: GPL-3.0-or-later
// Tags read through TagLib from every kind of audio file the import takes,
// and an album made of them: order, agreement, files without tags, damaged
// files and folders with other things in them.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/sleevix_error.h"
#include "support/audio_files.h"
#include "tracks/import/audio_tags.h"
#include "tracks/import/imported_tracks.h"
#include "tracks/import/track_import.h"

namespace {

constexpr AudioKind AllKinds[] = {AudioKind::Mp3,  AudioKind::Flac, AudioKind::OggVorbis,
                                  AudioKind::Opus, AudioKind::M4a,  AudioKind::Wav};

class AudioImport : public ::testing::Test {
  protected:
    QString track(const QString& name, const TrackTags& tags, int seconds = 3,
                  AudioKind kind = AudioKind::Flac) {
        const QString path = folder.filePath(name);
        WriteSilentAudio(path, kind, seconds);
        EXPECT_TRUE(WriteTags(path, kind, tags)) << name.toStdString();
        return path;
    }
    static QStringList titles(const ImportedTracks& imported) {
        QStringList texts;
        for (const ImportedTrack& t : imported.tracks) texts << t.title;
        return texts;
    }
    static QString errorOf(const QStringList& paths) {
        try {
            ImportTracks(paths, false);
        } catch (const SleevixError& error) {
            return error.message();
        }
        return QStringLiteral("(imported)");
    }

    QTemporaryDir temporary;
    QDir folder{temporary.path()};
};

TEST_F(AudioImport, EveryKindGivesItsTagsLengthAndPicture) {
    for (AudioKind kind : AllKinds) {
        const QString extension = ExtensionOf(kind);
        SCOPED_TRACE(extension.toStdString());
        const QString tagged = track("tagged." + extension,
                                     {QString::fromUtf8("Smörgåsbord"), "Artist", "Album Artist",
                                      "Album", "3/12", "2/2", true},
                                     65, kind);
        const AudioTags tags = ReadAudioTags(tagged, true);
        EXPECT_EQ(tags.title, QString::fromUtf8("Smörgåsbord"));
        EXPECT_EQ(tags.artist, "Artist");
        EXPECT_EQ(tags.albumArtist, "Album Artist");
        EXPECT_EQ(tags.album, "Album");
        EXPECT_EQ(tags.trackNumber, 3);
        EXPECT_EQ(tags.discNumber, 2);
        EXPECT_NEAR(tags.lengthMs, 65000, 100);
        EXPECT_TRUE(tags.hasEmbeddedArt);
        // Lengths are read only when asked for.
        EXPECT_EQ(ReadAudioTags(tagged, false).lengthMs, -1);

        const QString bare = folder.filePath("bare." + extension);
        WriteSilentAudio(bare, kind, 2);
        const AudioTags none = ReadAudioTags(bare, true);
        EXPECT_TRUE(none.title.isEmpty() && none.artist.isEmpty() && none.album.isEmpty());
        EXPECT_EQ(none.trackNumber, -1);
        EXPECT_EQ(none.discNumber, -1);
        EXPECT_NEAR(none.lengthMs, 2000, 100);
        EXPECT_FALSE(none.hasEmbeddedArt);
    }
}

TEST_F(AudioImport, AFolderIsSortedByDiscFolderTrackAndNameAndSkipsOtherFiles) {
    const TrackTags common{"", "The Band", "", "Double", "", "", false};
    auto tagged = [&](const char* title, const char* number, const char* disc) {
        TrackTags tags = common;
        tags.title = title;
        tags.trackNumber = number;
        tags.discNumber = disc;
        return tags;
    };
    // Names in another order than the tags; disc 2 named first.
    track("a.flac", tagged("Disc Two Opener", "1", "2"));
    track("b.mp3", tagged("Second", "2/9", "1/2"), 3, AudioKind::Mp3);
    track("c.ogg", tagged("First", "1", "1"), 3, AudioKind::OggVorbis);
    track("d.flac", tagged("Fourth", "10", "1"));
    track("e.opus", tagged("Third", "3", ""), 3, AudioKind::Opus);  // no disc: the first
    // A file without tags comes after the numbered ones, by its name.
    WriteSilentAudio(folder.filePath("10 Hidden Track.wav"), AudioKind::Wav, 1);
    WriteSilentAudio(folder.filePath("9 Bonus.wav"), AudioKind::Wav, 1);
    // Things a ripped album keeps beside its music.
    for (const char* other : {"cover.jpg", "rip.log", "album.cue", "notes.txt"}) {
        QFile file(folder.filePath(other));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not audio");
    }
    ASSERT_TRUE(folder.mkpath("Scans/More"));
    QFile scan(folder.filePath("Scans/back.png"));
    ASSERT_TRUE(scan.open(QIODevice::WriteOnly));

    const ImportedTracks album = ImportTracks({folder.path()}, false);
    EXPECT_EQ(titles(album), (QStringList{"First", "Second", "Third", "Fourth", "9 Bonus",
                                          "10 Hidden Track", "Disc Two Opener"}));
    // Files without an artist or album do not disagree with the others.
    EXPECT_EQ(album.artist, "The Band");
    EXPECT_EQ(album.album, "Double");
    EXPECT_TRUE(album.fileWithArt.isEmpty());
}

TEST_F(AudioImport, DiscFoldersWithoutDiscNumbersKeepTheirOrder) {
    ASSERT_TRUE(folder.mkpath("CD1") && folder.mkpath("CD2"));
    track("CD2/01.flac", {"Two-One", "", "", "", "1", "", false});
    track("CD1/02.flac", {"One-Two", "", "", "", "2", "", false});
    track("CD1/01.flac", {"One-One", "", "", "", "1", "", true});
    track("CD2/02.flac", {"Two-Two", "", "", "", "2", "", true});
    const ImportedTracks album = ImportTracks({folder.path()}, false);
    EXPECT_EQ(titles(album), (QStringList{"One-One", "One-Two", "Two-One", "Two-Two"}));
    // The first file in disc order with a picture, for the front cover.
    EXPECT_EQ(album.fileWithArt, folder.filePath("CD1/01.flac"));
}

TEST_F(AudioImport, ArtistsThatDifferLeaveTheArtistFieldAndLeadTheirTitles) {
    const QString a = track("1.flac", {"Song A", "Singer", "", "Mix", "1", "", false});
    const QString b = track("2.flac", {"Song B", "Band", "", "Other Mix", "2", "", false});
    const ImportedTracks mixed = ImportTracks({a, b}, false);
    EXPECT_TRUE(mixed.artist.isEmpty());
    EXPECT_TRUE(mixed.album.isEmpty());
    EXPECT_EQ(EntryTexts(mixed, false), (QStringList{"Singer - Song A", "Band - Song B"}));

    // A shared album artist is the list's artist; the tracks keep theirs.
    const QString c =
        track("3.mp3", {"Song C", "Singer", "Various Artists", "Hits", "1", "", false}, 3,
              AudioKind::Mp3);
    const QString d =
        track("4.m4a", {"Song D", "Various Artists", "Various Artists", "Hits", "2", "", false}, 3,
              AudioKind::M4a);
    const ImportedTracks compilation = ImportTracks({d, c}, true);
    EXPECT_EQ(compilation.artist, "Various Artists");
    EXPECT_EQ(compilation.album, "Hits");
    EXPECT_EQ(EntryTexts(compilation, true),
              (QStringList{"Singer - Song C (0:03)", "Song D (0:03)"}));
}

TEST_F(AudioImport, FilesWithoutTagsAreTitledByTheirNamesInNaturalOrder) {
    for (const char* name : {"10 Ten.mp3", "2 Two.mp3", "1 One.mp3"})
        WriteSilentAudio(folder.filePath(name), AudioKind::Mp3, 1);
    const ImportedTracks album = ImportTracks({folder.path()}, false);
    // A leading number that is the file's place is its track number; "10"
    // third is part of the name.
    EXPECT_EQ(titles(album), (QStringList{"One", "Two", "10 Ten"}));
    EXPECT_TRUE(album.artist.isEmpty() && album.album.isEmpty());
}

TEST_F(AudioImport, DamagedFilesAndFoldersWithoutAudioSayWhy) {
    QFile fake(folder.filePath("fake.mp3"));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("This is a text file with an audio file's name.");
    fake.close();
    EXPECT_EQ(errorOf({fake.fileName()}),
              "\"fake.mp3\" is damaged or not the audio file its name says");

    // A FLAC cut inside its header.
    const QString cut = folder.filePath("cut.flac");
    WriteSilentAudio(cut, AudioKind::Flac, 1);
    QFile cutFile(cut);
    ASSERT_TRUE(cutFile.resize(20));
    EXPECT_EQ(errorOf({cut}), "\"cut.flac\" is damaged or not the audio file its name says");

    // Beside a file that reads, they are passed over and named in one note.
    WriteSilentAudio(folder.filePath("good.flac"), AudioKind::Flac, 1);
    const ImportedTracks some = ImportTracks({folder.path()}, false);
    EXPECT_EQ(titles(some), QStringList{"good"});
    EXPECT_EQ(PassedOverMessage(some),
              "2 files were passed over: \"cut.flac\" is damaged or not the audio file its name "
              "says; \"fake.mp3\" is damaged or not the audio file its name says");

    QDir empty(folder.filePath("Empty"));
    ASSERT_TRUE(folder.mkpath("Empty"));
    QFile picture(empty.filePath("cover.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    EXPECT_EQ(errorOf({empty.path()}), "\"Empty\" holds no audio files");

    // A pipe named as audio is named too, unread.
    QDir piped(folder.filePath("Piped"));
    ASSERT_TRUE(folder.mkpath("Piped"));
    WriteSilentAudio(piped.filePath("good.flac"), AudioKind::Flac, 1);
    ASSERT_EQ(::mkfifo(QFile::encodeName(piped.filePath("pipe.ogg")).constData(), 0600), 0);
    EXPECT_TRUE(PassedOverMessage(ImportTracks({piped.path()}, false))
                    .contains("\"pipe.ogg\". It is not a regular file"));
}

}  // namespace
