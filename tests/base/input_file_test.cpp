// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of user files opens them through one gate: pipes, devices
// and sparse giants under each kind's name are refused unread, and what an
// audio file's tags claim cannot make TagLib read more than the budget.

#include <QFile>

#include <gtest/gtest.h>

#include "app/open_file.h"
#include "base/audio_input_stream.h"
#include "base/sleevix_error.h"
#include "pictures/decoders/album_art.h"
#include "pictures/picture_files.h"
#include "support/pipe_watchdog.h"

namespace {

QString openErrorOf(const QString& path) {
    try {
        ReadFileToOpen(path);
    } catch (const SleevixError& error) {
        return error.message();
    }
    return QStringLiteral("(opened)");
}

bool makeSparse(const QString& path, qint64 size, const QByteArray& head = QByteArray()) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head) == head.size() &&
           file.resize(size);
}

}  // namespace

TEST(InputGate, EveryKindOfFileRefusesPipesDevicesAndGiantsUnread) {
    PictureFiles files;
    const struct {
        const char* extension;
        const char* tooLarge;  // what a 2 GB file is told
    } kinds[] = {
        {"sleevix", "It is too large to be a cover (2147483648 bytes)"},
        {"cue", "It is too large to be a track list (2147483648 bytes)"},
        {"m3u", "It is too large to be a track list (2147483648 bytes)"},
        {"txt", "It is too large to be a track list (2147483648 bytes)"},
        {"flac", nullptr},  // read for its tags, whatever its size
    };
    for (const auto& kind : kinds) {
        const QString ext = QString::fromLatin1(kind.extension);
        SCOPED_TRACE(kind.extension);
        const QString pipe = files.path("pipe." + ext);
        ASSERT_TRUE(MakeNamedPipe(pipe));
        ASSERT_TRUE(QFile::link("/dev/zero", files.path("zero." + ext)));
        PipeWatchdog watchdog(pipe);
        for (const QString& name : {"pipe." + ext, "zero." + ext})
            EXPECT_EQ(openErrorOf(files.path(name)),
                      "Cannot open file \"" + name + "\". It is not a regular file");
        EXPECT_FALSE(watchdog.released()) << "a reader blocked on the pipe";

        ASSERT_TRUE(makeSparse(files.path("big." + ext), qint64(2) << 30));
        EXPECT_EQ(openErrorOf(files.path("big." + ext)),
                  kind.tooLarge ? "Cannot open file \"big." + ext + "\". " + kind.tooLarge
                                : "\"big." + ext + "\" is damaged or not the audio file its "
                                                   "name says");
    }
}

TEST(InputGate, AudioTagsThatClaimGigabytesAreReadOnlyToTheBudget) {
    PictureFiles files;
    // A FLAC whose picture blocks claim 16 MB each, 200 of them, all holes.
    constexpr qint64 BlockBytes = (1 << 24) - 1;
    constexpr int Blocks = 200;
    QByteArray head("fLaC\x00\x00\x00\x22", 8);
    head += QByteArray(34, '\0');
    QFile file(files.path("claims.flac"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    for (int i = 0; i < Blocks; ++i) {
        const char last = i + 1 == Blocks ? char(0x80) : 0;
        const char header[4] = {char(last | 6), char(BlockBytes >> 16), char(BlockBytes >> 8),
                                char(BlockBytes)};
        file.write(header, 4);
        file.seek(file.pos() + BlockBytes);
    }
    ASSERT_TRUE(file.resize(file.pos()));
    file.close();

    AudioInputStream stream(files.path("claims.flac"));
    EXPECT_THROW(ReadAlbumArt(stream, QStringLiteral("flac"), QStringLiteral("claims.flac")),
                 SleevixError);
    EXPECT_LE(stream.bytesRead(), MaxAudioTagBytes);
    EXPECT_GT(stream.bytesRead(), 0);
}
