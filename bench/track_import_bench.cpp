// SPDX-License-Identifier: GPL-3.0-or-later
// Importing an album folder of 41 tagged FLAC files against TagLib reading
// the same tags from the same files bare: what the import adds (listing,
// choosing the reader, sorting, agreeing on artist and album) must stay
// small beside the tag reading itself.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include "app/cover_state.h"
#include "support/audio_files.h"
#include "tracks/import/track_import.h"

namespace {

constexpr int AlbumSeconds = 240;

// One album, written once for all runs.
struct FlacAlbum {
    QTemporaryDir folder;
    QStringList paths;
    FlacAlbum() {
        for (int i = 1; i <= MaxTracks; ++i) {
            const QString path =
                QDir(folder.path())
                    .filePath(QStringLiteral("%1 Track.flac").arg(i, 2, 10, QLatin1Char('0')));
            WriteSilentAudio(path, AudioKind::Flac, AlbumSeconds);
            WriteTags(path, AudioKind::Flac,
                      {QStringLiteral("Track number %1").arg(i), "The Artist", "The Artist",
                       "The Album", QStringLiteral("%1/%2").arg(i).arg(MaxTracks), "1/1", false});
            paths << path;
        }
    }
};

const FlacAlbum& album() {
    static const FlacAlbum written;
    return written;
}

// The same tags the import reads, straight from TagLib.
void readTagsBare(bool withLengths) {
    for (const QString& path : album().paths) {
        TagLib::FileRef file(QFile::encodeName(path).constData(), withLengths);
        const TagLib::PropertyMap tags = file.file()->properties();
        for (const char* key :
             {"TITLE", "ARTIST", "ALBUMARTIST", "ALBUM", "TRACKNUMBER", "DISCNUMBER"})
            benchmark::DoNotOptimize(tags[key]);
        if (withLengths) benchmark::DoNotOptimize(file.audioProperties()->lengthInMilliseconds());
    }
}

void TagLibReadsFlacFolder(benchmark::State& state) {
    album();
    for (auto _ : state) readTagsBare(false);
}

void ImportFlacFolder(benchmark::State& state) {
    const QString folder = album().folder.path();
    for (auto _ : state) benchmark::DoNotOptimize(ImportTracks({folder}, false));
}

void TagLibReadsFlacFolderWithLengths(benchmark::State& state) {
    album();
    for (auto _ : state) readTagsBare(true);
}

void ImportFlacFolderWithLengths(benchmark::State& state) {
    const QString folder = album().folder.path();
    for (auto _ : state) benchmark::DoNotOptimize(ImportTracks({folder}, true));
}

}  // namespace

BENCHMARK(TagLibReadsFlacFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportFlacFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(TagLibReadsFlacFolderWithLengths)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportFlacFolderWithLengths)->Unit(benchmark::kMillisecond);
