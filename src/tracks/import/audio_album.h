// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "tracks/import/imported_tracks.h"

// Audio files, and the audio files in folders and their immediate
// subfolders (one per disc, as rips are often kept); other files in the
// folders are passed over. Each track is titled from its tags, or from
// its file name when it has no title; the tracks are sorted by disc
// number, folder, track number and file name. The artist (album artist
// first) and the album are taken where all files that name one agree.
// Throws SleevixError when no audio file is found or one cannot be read.
ImportedTracks ReadAudioFiles(const QStringList& paths, bool withLengths);
