// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "tracks/import/imported_tracks.h"

// An M3U or M3U8 playlist: each entry's #EXTINF title and length, or its
// file name without extension; the album from #PLAYLIST or #EXTALB and the
// artist from #EXTART. When every title reads "Artist - Title" with one
// artist, that artist is the list's and the titles lose the prefix.
// Throws SleevixError when the file cannot be read or names no entry.
ImportedTracks ReadPlaylist(const QString& path);
