// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// EMF+ records, carried in the comment records of an enhanced metafile.

#include "pictures/metafile/byte_view.h"

namespace emfplus {

class Player;

// Whether an enhanced metafile comment record carries EMF+ records.
bool IsEmfPlusComment(const ByteView& record);

// What the EMF+ records of a file hold, read before it is played.
struct Contents {
    bool header = false;
    bool dual = false;      // the older records draw the same picture
    bool plays = false;     // a drawing record this player draws
    bool unplayed = false;  // a drawing record this player does not draw
};
// Adds one comment record's EMF+ records to `contents`.
void Survey(const ByteView& record, Contents& contents);

// Plays the EMF+ records of one comment record; a damaged record is
// skipped and the next one read.
void PlayComment(Player& player, const ByteView& record);

}  // namespace emfplus
