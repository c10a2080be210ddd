// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "tracks/import/imported_tracks.h"

// A plain text file, one track per line, read as a paste of it is. Throws
// SleevixError when the file cannot be read or holds no line of text.
ImportedTracks ReadTextList(const QString& path);
