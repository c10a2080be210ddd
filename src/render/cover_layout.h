// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sub-steps every screen render of the jewel case is built from: fit the
// back font, draw the track lines, draw the front texts, draw the spine
// texts. The two layout modes run them in their own order (jewel_screen.cpp).

#include <array>

#include <QColor>
#include <QString>
#include <QStringList>

#include "render/canvas.h"
#include "render/cover_value.h"

enum class LayoutMode { Centred, Left };

// Every fit starts from these sizes and never goes below the minimum: a text
// still too large at the minimum is drawn at the minimum.
inline constexpr int BackStartSize = 50;
inline constexpr int FrontStartSize = 50;
inline constexpr int SpineStartSize = 20;
inline constexpr int MinimumFontSize = 1;
inline constexpr const char* SpineTypeface = "arial";
// What stands between artist and title when both are given; the layout also
// measures and centres with it when the committed separator is empty.
inline const QString SeparatorText = QStringLiteral(": ");

// What a screen render settles: each track line's width, the track block's
// height, the widest line's width, the line heights. A step that does not
// run leaves its values as they were.
struct JewelScreenFit {
    std::array<int, MaxTracks> trackWidths{};
    int trackBlockHeight = 0;
    int widestTrackWidth = 0;
    int trackLineHeight = 0;
    int frontLineHeight = 0;
};

// Whether a fit may still lower the surface's font by a point.
bool CanShrink(const Canvas& surface);

// The one fitter every layout uses, on screen, on paper and for every kind:
// lowers the canvas's font a point at a time until `fits` holds (asked
// again at each size) or the least size is reached; returns the size.
template <typename Fits>
int ShrinkToFit(Canvas& canvas, Fits&& fits) {
    while (!fits() && CanShrink(canvas)) --canvas.font.size;
    return canvas.font.size;
}

// Fits the back's font to the track list (its size must already be the
// start size). Needs at least one track.
void FitBackFont(Canvas& back, const QStringList& tracks, JewelScreenFit& fit);

// Draws the track lines at the fitted size: from x = 10, or centred.
void DrawTrackLines(Canvas& back, const QStringList& tracks, LayoutMode mode, JewelScreenFit& fit);

// Fits and draws the artist line and the title on the front, unless the
// cover has no text on its front.
void DrawFrontTexts(Canvas& front, const CoverValue& cover, LayoutMode mode, JewelScreenFit& fit);

// Fits both spines to the artist and title and draws them rotated, the left
// reading upward, the right downward.
void DrawSpineTexts(Canvas& leftSpine, Canvas& rightSpine, const CoverValue& cover,
                    LayoutMode mode);

// The surface's typeface and colour, as chosen for its insert; an empty name
// keeps the typeface the surface has.
void ApplyChosenFont(Canvas& surface, const TextLook& look);
