// SPDX-License-Identifier: GPL-3.0-or-later
// Audio files as pictures: their embedded front cover, read with TagLib,
// under the same limits and refusals as a picture file.

#include <gtest/gtest.h>
#include <QFile>
#include <QPainter>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "base/handler_guard.h"
#include "pictures/picture_dialog.h"
#include "pictures/picture_files.h"
#include "pictures/picture_loader.h"
#include "support/album_art_writer.h"
#include "support/cover_fixture.h"
#include "support/image_encoding.h"
#include "support/jpeg_writer.h"
#include "support/pipe_watchdog.h"
#include "support/process_use.h"
#include "tracks/editor_fixture.h"

namespace {

QImage filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

EmbeddedArt png(QColor colour, int type = 3, int width = 30, int height = 20) {
    return {EncodeImage(filled(width, height, colour), "png"), QStringLiteral("image/png"), type};
}

constexpr int OtherPicture = 0, BackCover = 4;

const AudioKind EveryKind[] = {AudioKind::Mp3, AudioKind::Flac, AudioKind::OggVorbis,
                               AudioKind::Opus, AudioKind::M4a};

}  // namespace

class EmbeddedAlbumArt : public ::testing::Test {
  protected:
    // An audio file of the kind carrying the pictures; its path.
    QString audio(const QString& name, AudioKind kind, const QList<EmbeddedArt>& pictures) {
        const QString path = files.path(QStringLiteral("%1.%2").arg(name, ExtensionOf(kind)));
        EXPECT_TRUE(WriteAudioWithArt(path, kind, pictures)) << qPrintable(path);
        return path;
    }
    PictureFiles files;
};

TEST_F(EmbeddedAlbumArt, EachKindOfAudioFileGivesItsEmbeddedCover) {
    for (AudioKind kind : EveryKind) {
        SCOPED_TRACE(qPrintable(ExtensionOf(kind)));
        const auto art = LoadPictureBitmap(audio("song", kind, {png(Qt::red)}));
        ASSERT_TRUE(art);
        EXPECT_EQ(QSize(art->width(), art->height()), QSize(30, 20));
        EXPECT_EQ(art->pixels().pixel(15, 10), qRgb(255, 0, 0));
    }
    // A JPEG cover decodes with the JPEG decoder, for the area shown too.
    const EmbeddedArt jpeg{EncodeJpeg(filled(800, 800, Qt::blue)), QStringLiteral("image/jpeg")};
    for (AudioKind kind : {AudioKind::Mp3, AudioKind::M4a}) {
        const auto art = LoadPictureBitmap(audio("photo", kind, {jpeg}), QSize(90, 90));
        ASSERT_TRUE(art);
        EXPECT_EQ(art->width(), 800);
        EXPECT_LT(art->pixels().width(), 800);
        EXPECT_GT(qBlue(art->pixels().pixel(40, 40)), 240);
    }
}

TEST_F(EmbeddedAlbumArt, TheFrontCoverIsChosenOrElseTheFirstPicture) {
    for (AudioKind kind : {AudioKind::Mp3, AudioKind::Flac, AudioKind::Opus}) {
        SCOPED_TRACE(qPrintable(ExtensionOf(kind)));
        const auto front = LoadPictureBitmap(
            audio("front", kind, {png(Qt::green, BackCover), png(Qt::red), png(Qt::blue)}));
        ASSERT_TRUE(front);
        EXPECT_EQ(front->pixels().pixel(1, 1), qRgb(255, 0, 0));
        const auto first = LoadPictureBitmap(
            audio("first", kind, {png(Qt::green, BackCover), png(Qt::blue, OtherPicture)}));
        ASSERT_TRUE(first);
        EXPECT_EQ(first->pixels().pixel(1, 1), qRgb(0, 255, 0));
    }
}

TEST_F(EmbeddedAlbumArt, AFileWithoutArtOrNotAudioSaysSo) {
    for (AudioKind kind : EveryKind) {
        SCOPED_TRACE(qPrintable(ExtensionOf(kind)));
        const QString none = audio("bare", kind, {});
        EXPECT_EQ(LoadErrorOf(none),
                  QStringLiteral("\"bare.%1\" holds no album art").arg(ExtensionOf(kind)));
        const QString text =
            files.write(QStringLiteral("text.%1").arg(ExtensionOf(kind)), "not audio at all");
        EXPECT_EQ(LoadErrorOf(text), QStringLiteral("\"text.%1\" is not a readable %2 file")
                                         .arg(ExtensionOf(kind), ExtensionOf(kind).toUpper()));
    }
    // An Ogg file may hold Opus as well as Vorbis.
    QFile::copy(audio("opus", AudioKind::Opus, {png(Qt::red)}), files.path("opus.ogg"));
    EXPECT_EQ(LoadErrorOf(files.path("opus.ogg")), "(no error)");
    // Audio of another kind under the extension is not read as that kind.
    QFile::copy(audio("real", AudioKind::Flac, {png(Qt::red)}), files.path("flac-content.mp3"));
    EXPECT_EQ(LoadErrorOf(files.path("flac-content.mp3")),
              "\"flac-content.mp3\" is not a readable MP3 file");
}

TEST_F(EmbeddedAlbumArt, TheDeclaredFormatPicksTheDecoderAndItsLimitsHold) {
    EmbeddedArt lying = png(Qt::red);
    lying.mimeType = QStringLiteral("image/jpeg");
    EXPECT_TRUE(LoadErrorOf(audio("lying", AudioKind::Flac, {lying})).startsWith("JPEG error #"));

    EmbeddedArt icon = png(Qt::red);
    icon.mimeType = QStringLiteral("image/x-icon");
    EXPECT_EQ(LoadErrorOf(audio("icon", AudioKind::Mp3, {icon})),
              "The album art in \"icon.mp3\" is of a kind not read (image/x-icon)");

    const EmbeddedArt huge{PngClaiming(60000, 60000)};
    EXPECT_EQ(LoadErrorOf(audio("huge", AudioKind::Opus, {huge})),
              "Picture is too large (60000 x 60000)");
}

TEST_F(EmbeddedAlbumArt, AudioFilesAreOpenedAsPicturesAreButNeverReadWhole) {
    ASSERT_TRUE(MakeNamedPipe(files.path("pipe.mp3")));
    {
        PipeWatchdog watchdog(files.path("pipe.mp3"));
        EXPECT_EQ(LoadErrorOf(files.path("pipe.mp3")),
                  "Cannot open file \"pipe.mp3\". It is not a regular file");
        EXPECT_FALSE(watchdog.released());
    }
    // Longer than any picture may be, as a long recording is: its tags are
    // read, not its sound, and the size is no reason to refuse it.
    const QString long_ = audio("long", AudioKind::Flac, {png(Qt::red)});
    QFile file(long_);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(qint64(3) << 30));  // sparse
    file.close();
    constexpr qint64 MostBytesRead = 64 << 20;  // of 3 GB
    const qint64 readBefore = BytesReadSoFar();
    const auto art = LoadPictureBitmap(long_);
    EXPECT_LT(BytesReadSoFar() - readBefore, MostBytesRead);
    ASSERT_TRUE(art);
    EXPECT_EQ(art->pixels().pixel(1, 1), qRgb(255, 0, 0));
}

class AlbumArtOnTheCover : public CoverFixture {
  protected:
    PictureFiles files;
};

TEST_F(AlbumArtOnTheCover, ChoosingAnAudioFileLaysItsCoverOnTheInsertAndThePreviewShowsIt) {
    switchOutlines(false, false, false);
    const QString song = files.path("song.mp3");
    ASSERT_TRUE(WriteAudioWithArt(song, AudioKind::Mp3, {png(Qt::red, 3, 40, 40)}));
    choosePicture(1, song);
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(HasFrontPicture);
    EXPECT_EQ(FrontPicturePath, song);
    EXPECT_EQ(Form1->Image4.image().pixel(180, 170), qRgb(255, 0, 0));

    PicturePreviewPane pane;
    ASSERT_TRUE(ShowInPane(pane, song));
    EXPECT_EQ(pane.caption(), " (40x40)");

    // One without art is refused with its reason and changes nothing.
    const QString bare = files.path("bare.ogg");
    ASSERT_TRUE(WriteAudioWithArt(bare, AudioKind::OggVorbis, {}));
    choosePicture(1, bare);
    EXPECT_EQ(errors->shown, QStringList{"\"bare.ogg\" holds no album art."});
    EXPECT_EQ(FrontPicturePath, song);
}

class AlbumArtOfAnImport : public EditorFixture {
  protected:
    PictureFiles files;
};

TEST_F(AlbumArtOfAnImport, AnImportOfAudioFilesOffersTheirArtForTheFront) {
    const QString bare = files.path("01.flac");
    const QString art = files.path("02.flac");
    ASSERT_TRUE(WriteAudioWithArt(bare, AudioKind::Flac, {}));
    ASSERT_TRUE(WriteAudioWithArt(art, AudioKind::Flac, {png(Qt::red, 3, 40, 40)}));
    questions->artAnswers = {false, true};

    RunHandler([&] { Form2->ImportPaths({bare, art}); });  // declined
    EXPECT_EQ(questions->artOffered, QStringList{art});
    EXPECT_FALSE(HasFrontPicture);

    questions->importModes = {TrackListQuestions::ImportMode::Replace};
    RunHandler([&] { Form2->ImportPaths({bare, art}); });  // taken
    EXPECT_TRUE(errors->shown.isEmpty()) << qPrintable(errors->shown.join('\n'));
    EXPECT_EQ(FrontPicturePath, art);
    EXPECT_EQ(Form1->Image4.image().pixel(180, 170), qRgb(255, 0, 0));

    // Files without art offer nothing.
    questions->importModes = {TrackListQuestions::ImportMode::Replace};
    RunHandler([&] { Form2->ImportPaths({bare}); });
    EXPECT_EQ(questions->artOffered.size(), 2);
}
