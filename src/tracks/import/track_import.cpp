// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/track_import.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "base/audio_input_stream.h"
#include "base/sleevix_error.h"
#include "tracks/import/audio_album.h"
#include "tracks/import/audio_kinds.h"
#include "tracks/import/audio_tags.h"
#include "tracks/import/cue_sheet.h"
#include "tracks/import/list_file.h"
#include "tracks/import/playlist.h"
#include "tracks/import/text_list.h"

namespace {

enum class ListKind { None, CueSheet, Playlist, Text };

ListKind listKindOf(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return ListKind::None;
    const QString extension = info.suffix().toLower();
    if (extension == QLatin1String("cue")) return ListKind::CueSheet;
    if (extension == QLatin1String("m3u") || extension == QLatin1String("m3u8"))
        return ListKind::Playlist;
    if (extension == QLatin1String("txt")) return ListKind::Text;
    return ListKind::None;
}

bool isAudioOrFolder(const QString& path) {
    return QFileInfo(path).isDir() || IsAudioFile(path);
}

ImportedTracks readList(const QString& path, ListKind kind) {
    switch (kind) {
        case ListKind::CueSheet:
            return ReadCueSheet(path, ReadAudioLength);
        case ListKind::Playlist:
            return ReadPlaylist(path);
        case ListKind::Text:
        case ListKind::None:
            break;
    }
    return ReadTextList(path);
}

}  // namespace

bool IsImportable(const QString& path) {
    return listKindOf(path) != ListKind::None || isAudioOrFolder(path);
}

QStringList ImportNameFilters() {
    QStringList audio;
    for (const QString& extension : AudioFileExtensions())
        audio << QStringLiteral("*.") + extension;
    return {
        QCoreApplication::translate("TrackImport",
                                    "Track lists and audio files (*.cue *.m3u *.m3u8 *.txt %1)")
            .arg(audio.join(QLatin1Char(' '))),
        QCoreApplication::translate("TrackImport", "CUE sheets (*.cue)"),
        QCoreApplication::translate("TrackImport", "Playlists (*.m3u *.m3u8)"),
        QCoreApplication::translate("TrackImport", "Text files (*.txt)"),
        QCoreApplication::translate("TrackImport", "Audio files (%1)")
            .arg(audio.join(QLatin1Char(' '))),
    };
}

ImportedTracks ImportTracks(const QStringList& paths, bool withLengths) {
    if (paths.isEmpty())
        throw SleevixError(
            QCoreApplication::translate("TrackImport", "Nothing was chosen to import"));
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path)) {
            // A link that leads nowhere (or round in a loop) is named by
            // what the gate finds when it follows it.
            if (QFileInfo(path).isSymLink()) InputFile(path, AudioFileInput);
            throw SleevixError(QCoreApplication::translate("TrackImport", "%1 does not exist")
                                   .arg(QuotedFileName(path)));
        }
        if (!IsImportable(path))
            throw SleevixError(
                QCoreApplication::translate("TrackImport",
                                            "%1 is no CUE sheet, playlist, text file or audio "
                                            "file to take tracks from")
                    .arg(QuotedFileName(path)));
    }
    const ListKind kind = listKindOf(paths.front());
    if (paths.size() == 1 && kind != ListKind::None) return readList(paths.front(), kind);
    for (const QString& path : paths)
        if (listKindOf(path) != ListKind::None)
            throw SleevixError(
                QCoreApplication::translate("TrackImport",
                                            "Import one CUE sheet, playlist or text file at a "
                                            "time, without other files"));
    return ReadAudioFiles(paths, withLengths);
}
