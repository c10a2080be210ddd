// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps every layout of the jewel case is built from, on the window's
// surfaces and on the page alike: fit the back font, draw the track lines,
// draw the front texts, draw the spine texts. The rules say where and how
// large (cases/insert_text_rules.h); the screen runs the steps in its
// layouts' own order (jewel_screen.cpp), the page in one (case_render.cpp).

#include <array>

#include <QRect>
#include <QString>
#include <QStringList>

#include "cases/insert_text_rules.h"
#include "render/canvas.h"
#include "render/case_texts.h"
#include "render/cover_value.h"

enum class LayoutMode { Centred, Left };

// No fit goes below this size: a text still too large is drawn at it.
inline constexpr int MinimumFontSize = 1;
inline constexpr const char* SpineTypeface = "arial";
// A turned text's escapement, in tenths of a degree counter-clockwise.
inline constexpr int ReadingUpward = 900;
inline constexpr int ReadingDownward = -900;
// What stands between artist and title when both are given; the layout also
// measures and centres with it when the committed separator is empty.
inline const QString SeparatorText = QStringLiteral(": ");

// What a layout settles: each track line's width, the track block's height,
// the widest line's width, the line heights. A step that does not run
// leaves its values as they were.
struct JewelScreenFit {
    std::array<int, MaxTracks> trackWidths{};
    int trackBlockHeight = 0;
    int widestTrackWidth = 0;
    int trackLineHeight = 0;
    int frontLineHeight = 0;
};

// Where a text is drawn: a canvas (a surface, or the page shared by all
// boxes) and the box on it, in the canvas's units.
struct TextTarget {
    Canvas& canvas;
    QRect box;
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
void FitBackFont(Canvas& back, const QStringList& tracks, const TextRules& rules,
                 JewelScreenFit& fit);

// Draws the track lines at the fitted size: flush left, or centred.
void DrawTrackLines(const TextTarget& back, const QStringList& tracks, LayoutMode mode,
                    const TextRules& rules, JewelScreenFit& fit);

// Fits and draws the artist line and the title on the front, unless the
// cover has no text on its front.
void DrawFrontTexts(const TextTarget& front, const CaseTexts& texts, LayoutMode mode,
                    const TextRules& rules, JewelScreenFit& fit);

// Fits both spines to the artist and title and draws them rotated, the left
// reading upward, the right downward (the other way round where the rules
// let the spines turn and they are turned).
void DrawSpineTexts(const TextTarget& leftSpine, const TextTarget& rightSpine,
                    const CaseTexts& texts, LayoutMode mode, const TextRules& rules);

// The surface's typeface and colour, as chosen for its insert; an empty name
// keeps the typeface the surface has.
void ApplyChosenFont(Canvas& surface, const TextLook& look);
