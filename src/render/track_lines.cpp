// SPDX-License-Identifier: GPL-3.0-or-later
// The track list on the back insert, one line per track from the top.

#include "app/cover_state.h"
#include "render/canvas.h"
#include "render/cover_layout.h"

namespace {
constexpr int FirstLineTop = 5;
constexpr int LeftModeX = 10;
}  // namespace

void DrawTrackLines(Canvas& back, LayoutMode mode) {
    if (mode == LayoutMode::Centred) {
        for (int i = 0; i < TrackCount; ++i) TrackWidths[i] = back.textWidth(TrackLine(i));
    }
    for (int i = 0; i < TrackCount; ++i) {
        const int x =
            mode == LayoutMode::Centred ? back.width() / 2 - TrackWidths[i] / 2 : LeftModeX;
        back.textOut(x, i * TrackLineHeight + FirstLineTop, TrackLine(i), Paragraph::LeftToRight);
    }
}
