// SPDX-License-Identifier: GPL-3.0-or-later
// The back insert's font: the largest size at which the whole track block is
// lower than the back and its widest line narrower than it.

#include "app/cover_state.h"
#include "render/canvas.h"
#include "render/cover_layout.h"

namespace {
constexpr int BackHeightMargin = 4;
constexpr int BackWidthMargin = 30;

// Every line of a font has the same height, so measuring the last track
// stands for measuring each in turn.
void measureTrackBlock(const Canvas& back) {
    TrackBlockHeight = back.textHeight(TrackLine(TrackCount - 1)) * TrackCount;
}

void shrink(Canvas& surface) {
    --surface.font.size;
}
}  // namespace

void FitBackFont(Canvas& back) {
    measureTrackBlock(back);
    while (TrackBlockHeight >= back.height() - BackHeightMargin && CanShrink(back)) {
        shrink(back);
        measureTrackBlock(back);
    }

    for (int i = 0; i < TrackCount; ++i) TrackWidths[i] = back.textWidth(TrackLine(i));
    // Tracks deleted, cleared or undone since leave no width behind.
    for (int i = TrackCount; i < MaxTracks; ++i) TrackWidths[i] = 0;

    // Ties keep the first; only this line is measured again below, even if
    // another would be wider at a smaller size.
    WidestTrackWidth = 0;
    int widest = -1;
    for (int i = 0; i < MaxTracks; ++i) {
        if (TrackWidths[i] > WidestTrackWidth) {
            WidestTrackWidth = TrackWidths[i];
            widest = i;
        }
    }
    while (WidestTrackWidth >= back.width() - BackWidthMargin && CanShrink(back)) {
        shrink(back);
        WidestTrackWidth = back.textWidth(TrackLine(widest));
    }

    TrackLineHeight = back.textHeight(TrackLine(0));
}
