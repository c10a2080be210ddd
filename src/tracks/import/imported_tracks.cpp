// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/imported_tracks.h"

#include <QCoreApplication>

#include "tracks/import/pasted_titles.h"

namespace {
const QString ArtistTitleSeparator = QStringLiteral(" - ");
constexpr int MsPerSecond = 1000;
constexpr int SecondsPerMinute = 60;
}  // namespace

int TrackLengthFromSeconds(double seconds) {
    // Compared before converting: a double out of int's range has no int.
    const double ms = seconds * MsPerSecond;
    return ms >= 0 && ms <= MaxTrackLengthMs ? int(ms) : -1;
}

QString LengthSuffix(int lengthMs) {
    if (lengthMs < 0 || lengthMs > MaxTrackLengthMs) return QString();
    const int seconds = (lengthMs + MsPerSecond / 2) / MsPerSecond;
    return QStringLiteral(" (%1:%2)")
        .arg(seconds / SecondsPerMinute)
        .arg(seconds % SecondsPerMinute, 2, 10, QLatin1Char('0'));
}

QString PassedOverMessage(const ImportedTracks& imported) {
    const qsizetype count = imported.passedOver.size();
    if (count == 0) return QString();
    const QString files = imported.passedOver.join(QStringLiteral("; "));
    if (count == 1)
        return QCoreApplication::translate("TrackImport", "1 file was passed over: %1").arg(files);
    return QCoreApplication::translate("TrackImport", "%1 files were passed over: %2")
        .arg(count)
        .arg(files);
}

QStringList EntryTexts(const ImportedTracks& imported, bool withLengths) {
    QStringList texts;
    texts.reserve(imported.tracks.size());
    for (const ImportedTrack& track : imported.tracks) {
        QString text = track.title;
        if (!track.artist.isEmpty() && track.artist != imported.artist)
            text = track.artist + ArtistTitleSeparator + text;
        if (withLengths) text += LengthSuffix(track.lengthMs);
        texts << text;
    }
    return texts;
}

void DropTrackNumbers(QVector<ImportedTrack>& tracks) {
    QStringList titles;
    for (const ImportedTrack& track : tracks) titles << track.title;
    titles = WithoutTrackNumbers(titles);
    for (int i = 0; i < titles.size(); ++i) tracks[i].title = titles[i];
}
