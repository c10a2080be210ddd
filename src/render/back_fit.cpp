// SPDX-License-Identifier: GPL-3.0-or-later
// The back insert's font: the largest size at which the whole track block is
// lower than the rules' limit and its widest line narrower than theirs.

#include "render/canvas.h"
#include "render/cover_layout.h"

namespace {

// Every line of a font has the same height, so measuring the last track
// stands for measuring each in turn.
int trackBlockHeight(const Canvas& back, const QStringList& tracks) {
    return back.textHeight(tracks.last()) * int(tracks.size());
}
}  // namespace

void FitBackFont(Canvas& back, const QStringList& tracks, const TextRules& rules,
                 JewelScreenFit& fit) {
    const int count = int(tracks.size());
    ShrinkToFit(back, [&] {
        fit.trackBlockHeight = trackBlockHeight(back, tracks);
        return fit.trackBlockHeight < rules.trackBlockLimit;
    });

    for (int i = 0; i < count; ++i) fit.trackWidths[i] = back.textWidth(tracks[i]);
    // Tracks deleted, cleared or undone since leave no width behind.
    for (int i = count; i < MaxTracks; ++i) fit.trackWidths[i] = 0;

    // Ties keep the first; only this line is measured again below, even if
    // another would be wider at a smaller size.
    fit.widestTrackWidth = 0;
    int widest = -1;
    for (int i = 0; i < MaxTracks; ++i) {
        if (fit.trackWidths[i] > fit.widestTrackWidth) {
            fit.widestTrackWidth = fit.trackWidths[i];
            widest = i;
        }
    }
    ShrinkToFit(back, [&] {
        if (widest >= 0) fit.widestTrackWidth = back.textWidth(tracks[widest]);
        return fit.widestTrackWidth < rules.trackWidthLimit;
    });

    fit.trackLineHeight = back.textHeight(tracks.first());
}
