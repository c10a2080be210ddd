// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/playlist.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

#include "base/sleevix_error.h"
#include "tracks/import/list_file.h"

namespace {

const QString ArtistTitleSeparator = QStringLiteral(" - ");

struct ExtInf {
    QString title;
    int lengthMs = -1;
};

// #EXTINF:<seconds> [attributes],<title>; the title begins after the first
// comma outside quoted attribute values.
ExtInf parseExtInf(const QString& arguments) {
    bool quoted = false;
    qsizetype comma = -1;
    for (qsizetype i = 0; i < arguments.size() && comma < 0; ++i) {
        if (arguments[i] == QLatin1Char('"')) quoted = !quoted;
        if (arguments[i] == QLatin1Char(',') && !quoted) comma = i;
    }
    ExtInf info;
    const QString head = comma < 0 ? arguments : arguments.left(comma);
    bool ok = false;
    const double seconds = head.section(QLatin1Char(' '), 0, 0).toDouble(&ok);
    if (ok && seconds > 0) info.lengthMs = TrackLengthFromSeconds(seconds);
    if (comma >= 0) info.title = arguments.mid(comma + 1).trimmed();
    return info;
}

// The entry's file name without its extension, from a path in either
// slash's direction or from an address.
QString nameOfEntry(const QString& entry) {
    QString path = entry;
    if (entry.contains(QStringLiteral("://"))) path = QUrl(entry).path();
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

// When all titles share one "Artist - " prefix, it becomes the artist.
void takeSharedArtist(ImportedTracks& list) {
    if (!list.artist.isEmpty() || list.tracks.size() < 2) return;
    QString shared;
    for (const ImportedTrack& track : list.tracks) {
        const qsizetype at = track.title.indexOf(ArtistTitleSeparator);
        if (at <= 0) return;
        const QString artist = track.title.left(at);
        if (!shared.isEmpty() && artist != shared) return;
        shared = artist;
    }
    list.artist = shared;
    for (ImportedTrack& track : list.tracks)
        track.title = track.title.mid(shared.size() + ArtistTitleSeparator.size());
}

QString directiveValue(const QString& line) {
    return line.section(QLatin1Char(':'), 1).trimmed();
}

}  // namespace

ImportedTracks ReadPlaylist(const QString& path) {
    const QStringList lines =
        ReadListFile(path).split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")));
    ImportedTracks list;
    ExtInf pending;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) continue;
        if (line.startsWith(QLatin1Char('#'))) {
            const QString directive = line.section(QLatin1Char(':'), 0, 0).toUpper();
            if (directive == QLatin1String("#EXTINF"))
                pending = parseExtInf(directiveValue(line));
            else if (directive == QLatin1String("#PLAYLIST") ||
                     directive == QLatin1String("#EXTALB"))
                list.album = directiveValue(line);
            else if (directive == QLatin1String("#EXTART"))
                list.artist = directiveValue(line);
            continue;
        }
        ImportedTrack track;
        track.title = pending.title.isEmpty() ? nameOfEntry(line) : pending.title;
        track.lengthMs = pending.lengthMs;
        list.tracks << track;
        pending = ExtInf();
    }
    if (list.tracks.isEmpty())
        throw SleevixError(QCoreApplication::translate("TrackImport", "%1 names no tracks")
                               .arg(QuotedFileName(path)));
    DropTrackNumbers(list.tracks);
    takeSharedArtist(list);
    return list;
}
