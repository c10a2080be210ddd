// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QByteArray>

#include "pictures/svg/svg_work.h"

// The most SVG text a drawing may have, compressed or not: far beyond any
// real drawing, and small enough that its parse cannot exhaust the machine.
inline constexpr long long MaxSvgTextBytes = 64LL * 1024 * 1024;

// The text of a drawing read from a .svg file: compressed content is
// refused, as the extension said it is text ("SVG image is not valid").
QByteArray SvgText(const QByteArray& file);

// The text of a drawing read from a .svgz file: the gzip stream inflated,
// at most MaxSvgTextBytes of it ("Compressed SVG image is not valid",
// "SVG image is too large").
QByteArray InflateSvgz(const QByteArray& file);

// The drawing's text made safe to draw: an image that names a file (or any
// address) instead of carrying its data is left out, since reading it could
// block on a pipe or show what the drawing's author chose; so is one that
// carries no raster picture Qt reads (another drawing's work would not be
// weighed), and a convolution step too large for the renderer; the pictures it
// carries may not together exceed the pixel limit ("Picture is too large"),
// and its drawing work may not exceed SvgWorkBudget ("SVG image is too
// complex to draw").
// Text that is not well-formed is returned unchanged for the renderer to
// refuse.
struct SelfContained {
    QByteArray text;
    // The renderer's work for each pixel drawn, apart from its shapes, and
    // the part of it that grows with the scale it is drawn at, in tenths of
    // a unit of the drawing meter (SvgWorkTally::Measure::PixelWork,
    // ScaledPixelWork).
    long long pixelWork = 0;
    long long scaledPixelWork = 0;
    // Filters weighed over their own region rather than the whole area: not
    // counted in pixelWork.
    std::vector<SvgWorkTally::RegionalFilter> regionalFilters;
};
// Without `refuseBeyondBudget`, a drawing whose tally passes the budget is
// not refused here: the decode helper's deadline bounds its drawing.
SelfContained SelfContainedSvg(const QByteArray& text, bool refuseBeyondBudget = true);
