// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sub-steps every render of the cover is built from: fit the back font,
// draw the track lines, draw the front texts, draw the spine texts. The two
// layout modes run them in their own order (centred_render.cpp, and the
// track editor's commit).

#include <QColor>
#include <QString>

class Canvas;

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

// Whether a fit may still lower the surface's font by a point.
bool CanShrink(const Canvas& surface);

// The track editor's entries as the layout reads them.
QString TrackLine(int index);

// Fits Image1's font to the track list (its size must already be the start
// size) and sets TrackBlockHeight, TrackWidths, WidestTrackWidth and
// TrackLineHeight. Needs at least one track.
void FitBackFont(Canvas& back);

// Draws the track lines at the fitted size: from x = 10, or centred.
void DrawTrackLines(Canvas& back, LayoutMode mode);

// Fits and draws the artist line and the title on the front, unless "No text
// on front cover" is checked.
void DrawFrontTexts(Canvas& front, LayoutMode mode);

// Fits both spines to the artist and title and draws them rotated, the left
// reading upward, the right downward.
void DrawSpineTexts(Canvas& leftSpine, Canvas& rightSpine, LayoutMode mode);

// The surface's typeface and colour, as chosen for its insert; an empty name
// keeps the typeface the surface has.
void ApplyChosenFont(Canvas& surface, const QString& name, const QColor& colour);
