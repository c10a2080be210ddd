// SPDX-License-Identifier: GPL-3.0-or-later
// The track list on the back insert, one line per track from the top.

#include "render/canvas.h"
#include "render/cover_layout.h"

namespace {
constexpr int FirstLineTop = 5;
constexpr int LeftModeX = 10;
}  // namespace

void DrawTrackLines(Canvas& back, const QStringList& tracks, LayoutMode mode,
                    JewelScreenFit& fit) {
    const int count = int(tracks.size());
    if (mode == LayoutMode::Centred) {
        for (int i = 0; i < count; ++i) fit.trackWidths[i] = back.textWidth(tracks[i]);
    }
    for (int i = 0; i < count; ++i) {
        const int x =
            mode == LayoutMode::Centred ? back.width() / 2 - fit.trackWidths[i] / 2 : LeftModeX;
        back.textOut(x, i * fit.trackLineHeight + FirstLineTop, tracks[i], Paragraph::LeftToRight);
    }
}
