// SPDX-License-Identifier: GPL-3.0-or-later
// The track list on the back insert, one line per track from the top.

#include "render/canvas.h"
#include "render/cover_layout.h"

void DrawTrackLines(const TextTarget& back, const QStringList& tracks, LayoutMode mode,
                    const TextRules& rules, JewelScreenFit& fit) {
    Canvas& canvas = back.canvas;
    const int count = int(tracks.size());
    if (mode == LayoutMode::Centred) {
        for (int i = 0; i < count; ++i) fit.trackWidths[i] = canvas.textWidth(tracks[i]);
    }
    const int middle = back.box.left() + back.box.width() / 2;
    const int top = back.box.top() + rules.firstTrackTop;
    for (int i = 0; i < count; ++i) {
        const int x = mode == LayoutMode::Centred ? middle - fit.trackWidths[i] / 2
                                                  : back.box.left() + rules.flushLeftX;
        canvas.textOut(x, top + i * fit.trackLineHeight, tracks[i], Paragraph::LeftToRight);
    }
}
