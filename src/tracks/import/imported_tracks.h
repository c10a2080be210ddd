// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One track as its source names it.
struct ImportedTrack {
    QString title;
    QString artist;     // the track's own performer, where the source names one
    int lengthMs = -1;  // negative when the source does not tell
};

// What an import found: the tracks in disc order, and the artist and the
// album title where the source names them (empty otherwise).
struct ImportedTracks {
    QVector<ImportedTrack> tracks;
    QString artist;
    QString album;
    // The first audio file that carries an embedded picture; empty when
    // none does or the source is no audio file.
    QString fileWithArt;
    // Why each audio file that could not be read was passed over.
    QStringList passedOver;
};

// The tracks' titles without the track numbers they lead with, by the rule
// of a pasted list (see WithoutTrackNumbers): every source that names
// titles ("01 Alpha" in a CUE sheet, a playlist or a text list) gives the
// same entries.
void DropTrackNumbers(QVector<ImportedTrack>& tracks);

// One message naming every file passed over and why; empty when none was.
QString PassedOverMessage(const ImportedTracks& imported);

// The list entries for the imported tracks, without numbers: each title,
// led by the track's artist where that differs from the list's artist, and
// followed by its length when `withLengths` and the length is known.
QStringList EntryTexts(const ImportedTracks& imported, bool withLengths);

// The longest a track can be; a source that claims more (or a negative or
// unreadable number) tells no length.
inline constexpr int MaxTrackLengthMs = 100 * 60 * 60 * 1000;
// A length in seconds as a source writes it, in milliseconds; -1 when it
// cannot be a track's.
int TrackLengthFromSeconds(double seconds);

// " (m:ss)", the minutes running on past the hour; rounded to the second.
// Empty for a length that cannot be a track's.
QString LengthSuffix(int lengthMs);
