// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "tracks/import/imported_tracks.h"

// Reads a track list from what the user chose: one CUE sheet, one playlist
// (.m3u, .m3u8) or one text file (.txt), or any number of audio files and
// folders of them. Lengths are read from audio files only when asked for.
// Throws SleevixError with a message for the user when the choice cannot
// be imported; it changes nothing itself.
ImportedTracks ImportTracks(const QStringList& paths, bool withLengths);

// True for the files and folders ImportTracks takes, judged by name.
bool IsImportable(const QString& path);

// The kinds ImportTracks takes, for a file dialog's filter.
QStringList ImportNameFilters();
