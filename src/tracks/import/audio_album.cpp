// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/audio_album.h"

#include <algorithm>
#include <climits>
#include <optional>

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QVector>

#include "base/sleevix_error.h"
#include "tracks/import/audio_kinds.h"
#include "tracks/import/audio_tags.h"
#include "tracks/import/list_file.h"
#include "tracks/import/pasted_titles.h"

namespace {

// A single disc's files seldom carry a disc number.
constexpr int UnnumberedDisc = 1;
constexpr int UnnumberedTrack = INT_MAX;

struct AudioFile {
    QString path;
    QString folder;
    QString name;
    AudioTags tags;
};

// The audio files in a folder and, one level down, in its subfolders; one
// pass over each folder, its entries typed as the directory reports them.
// Pipes, devices and sockets named as audio are listed too: the gate
// refuses each, and the import names it among those passed over.
void addAudioFilesOf(const QString& folder, QStringList& found, bool withSubfolders) {
    QDirIterator entries(folder, QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.isDir()) {
            if (withSubfolders) addAudioFilesOf(entry.absoluteFilePath(), found, false);
        } else if (IsAudioFile(entry.fileName())) {
            found << entry.absoluteFilePath();
        }
    }
}

QStringList audioFilesIn(const QStringList& paths) {
    QStringList found;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            addAudioFilesOf(info.absoluteFilePath(), found, true);
        else
            found << info.absoluteFilePath();
    }
    return found;
}

// The C locale's collation compares code points only, so that track "10"
// would come before "9".
QCollator naturalOrder() {
    QLocale locale;
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English);
    QCollator natural(locale);
    natural.setNumericMode(true);
    return natural;
}

void sortInDiscOrder(QVector<AudioFile>& files) {
    auto disc = [](const AudioFile& f) {
        return f.tags.discNumber < 0 ? UnnumberedDisc : f.tags.discNumber;
    };
    auto track = [](const AudioFile& f) {
        return f.tags.trackNumber < 0 ? UnnumberedTrack : f.tags.trackNumber;
    };
    // Collation is slow beside the rest; it is set up and asked only where
    // the numbers leave the order open.
    std::optional<QCollator> natural;
    auto collate = [&](const QString& a, const QString& b) {
        if (!natural) natural = naturalOrder();
        return natural->compare(a, b) < 0;
    };
    std::stable_sort(files.begin(), files.end(), [&](const AudioFile& a, const AudioFile& b) {
        if (disc(a) != disc(b)) return disc(a) < disc(b);
        if (a.folder != b.folder) return collate(a.folder, b.folder);
        if (track(a) != track(b)) return track(a) < track(b);
        return collate(a.name, b.name);
    });
}

// The value all files that name one agree on; empty when none names one
// or two differ.
template <typename Field>
QString agreed(const QVector<AudioFile>& files, Field field) {
    QString shared;
    for (const AudioFile& file : files) {
        const QString& value = field(file.tags);
        if (value.isEmpty()) continue;
        if (!shared.isEmpty() && value != shared) return {};
        shared = value;
    }
    return shared;
}

}  // namespace

ImportedTracks ReadAudioFiles(const QStringList& paths, bool withLengths) {
    const QStringList found = audioFilesIn(paths);
    if (found.isEmpty()) {
        if (paths.size() != 1)
            throw SleevixError(QCoreApplication::translate(
                "TrackImport", "The chosen folders hold no audio files"));
        throw SleevixError(QCoreApplication::translate("TrackImport", "%1 holds no audio files")
                               .arg(QuotedFileName(paths.front())));
    }
    // One file that cannot be read does not stop the others; only when
    // none can is the import refused, with the first one's reason.
    QVector<AudioFile> files;
    files.reserve(found.size());
    QStringList passedOver;
    std::optional<SleevixError> firstFailure;
    for (const QString& path : found) {
        const QFileInfo info(path);
        try {
            files.push_back({path, info.path(), info.fileName(), ReadAudioTags(path, withLengths)});
        } catch (const SleevixError& failure) {
            if (!firstFailure) firstFailure = failure;
            passedOver << failure.message();
        }
    }
    if (files.isEmpty()) throw *firstFailure;
    sortInDiscOrder(files);

    ImportedTracks album;
    passedOver.sort();  // the folder lists its files in no set order
    album.passedOver = passedOver;
    album.artist =
        agreed(files, [](const AudioTags& t) -> const QString& { return t.albumArtist; });
    if (album.artist.isEmpty())
        album.artist = agreed(files, [](const AudioTags& t) -> const QString& { return t.artist; });
    album.album = agreed(files, [](const AudioTags& t) -> const QString& { return t.album; });
    // A name stands for an untagged file's title, without the track number
    // it leads with; a tagged title stays as the tag has it.
    QStringList names;
    for (const AudioFile& file : files) names << QFileInfo(file.path).completeBaseName();
    names = WithoutTrackNumbers(names);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const AudioFile& file = files[i];
        ImportedTrack track;
        track.title = file.tags.title.isEmpty() ? names[i] : file.tags.title;
        track.artist = file.tags.artist;
        track.lengthMs = file.tags.lengthMs;
        album.tracks << track;
        if (album.fileWithArt.isEmpty() && file.tags.hasEmbeddedArt) album.fileWithArt = file.path;
    }
    return album;
}
