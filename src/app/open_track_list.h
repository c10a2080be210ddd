// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "app/open_file.h"

// A CUE sheet, playlist, text list, audio file or folder of them opened as
// a cover (File > Open, "sleevix FILE", an export's FILE): the cover as it
// stands with its tracks, and its artist and title where the source names
// them, replaced by the imported ones, laid out as "Continue" lays it out.
// It becomes no document of its own. Raises an error when the source
// cannot be imported; the note tells how many tracks found no room.
FileToOpen ReadTrackListToOpen(const QString& path);
