// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>

#include "tracks/import/imported_tracks.h"

// The length in milliseconds of an audio file a sheet names, or negative
// when it cannot be had.
using AudioLengthReader = std::function<int(const QString& path)>;

// A CUE sheet: the disc's PERFORMER and TITLE, each TRACK's TITLE and
// PERFORMER, and each track's length from its INDEX 01 to the next track's
// (the last track of each FILE up to that file's end, when `audioLength`
// can read it). Throws SleevixError when the file cannot be read or is
// no CUE sheet.
ImportedTracks ReadCueSheet(const QString& path, const AudioLengthReader& audioLength);
