// SPDX-License-Identifier: GPL-3.0-or-later
// Text: typeface and size from the selected font, the baseline turned by
// the escapement, letters at the record's advances or the typeface's own.

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainterPath>

#include "pictures/metafile/font_substitution.h"
#include "pictures/metafile/gdi_player.h"

using namespace gdi;

namespace {
constexpr double MaxFontPixels = 4000;
// Colour glyphs (emoji) are bitmaps the text engine scales to the size
// asked and keeps: a few hundred at poster size would take gigabytes and
// most of a minute. Past this many square pixels of letters in one picture
// (a hundred letters 1000 pixels high) the rest are drawn as outlines, which
// nothing keeps; outline typefaces look the same either way.
constexpr double MaxGlyphArea = 100e6;
// The logical font as Qt draws it on the target, `yScale` target pixels a
// logical unit up the page.
QFont targetFont(const Font& f, double yScale) {
    QFont font(f.face.isEmpty() ? QStringLiteral("Arial") : f.face);
    double height = f.height == 0 ? 12 : std::abs(double(f.height));
    if (f.height > 0) {
        // A positive height is the whole cell; the character is smaller.
        QFont probe = font;
        probe.setPixelSize(100);
        const QFontMetricsF m(probe);
        height = height * 100 / std::max(1.0, m.ascent() + m.descent());
    }
    font.setPixelSize(std::max(1, int(std::lround(std::min(height * yScale, MaxFontPixels)))));
    font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    return font;
}

// Where each character stands along the baseline, in target pixels: by the
// first `advanceCount` advances given, the rest by the typeface's widths;
// `width` takes the run's whole length.
std::vector<double> characterOffsets(const QString& text, const std::vector<double>& advances,
                                     std::size_t advanceCount, double alongScale,
                                     double characterExtra, const QFontMetricsF& metrics,
                                     double& width) {
    std::vector<double> offsets;
    width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        offsets.push_back(width);
        const bool given = std::size_t(i) < advanceCount;
        width += given ? advances[std::size_t(i)] * alongScale
                       : metrics.horizontalAdvance(text.at(i)) + characterExtra * alongScale;
    }
    return offsets;
}

// Where the run starts, left of the reference point, and where its
// baseline lies below it, by the text alignment.
QPointF alignedStart(int textAlign, double width, const QFontMetricsF& metrics) {
    double x = 0;
    if ((textAlign & TextHorizontalMask) == TextCenter)
        x = -width / 2;
    else if ((textAlign & TextHorizontalMask) == TextRight)
        x = -width;
    double baseline = metrics.ascent();
    if ((textAlign & TextVerticalMask) == TextBaseline)
        baseline = 0;
    else if ((textAlign & TextVerticalMask) == TextBottom)
        baseline = -metrics.descent();
    return {x, baseline};
}

}  // namespace

void GdiPlayer::text(QPointF reference, const QString& text, const std::vector<double>& advances,
                     uint32_t options, const QRectF& box) {
    if (inPath_ || !onPage(QRectF(reference, QSizeF(1, 1)))) return;
    if (box.isValid() && !onPage(box)) return;
    const QTransform toTarget = logicalToTarget();
    const double yScale = std::hypot(toTarget.m21(), toTarget.m22());
    const Font& f = state_.font;
    // The baseline turns by the escapement in logical coordinates and is
    // then mapped, so a flipped axis reverses the turn on the target.
    const double turn = f.escapement / 10.0 * M_PI / 180;
    const QPointF logicalBaseline(std::cos(turn), -std::sin(turn));
    const QPointF baselineOnTarget = toTarget.map(logicalBaseline) - toTarget.map(QPointF(0, 0));
    // Target pixels per logical unit along the baseline.
    const double alongScale = std::hypot(baselineOnTarget.x(), baselineOnTarget.y());
    if (!(alongScale > 0) || !std::isfinite(alongScale)) return;

    if ((options & TextOpaque) && box.isValid()) {
        prepare();
        painter_.fillRect(box, state_.backgroundColour);
    }
    const bool updatePosition = state_.textAlign & TextUpdateCp;
    if (updatePosition) reference = state_.position;

    const QFont font = targetFont(f, yScale);
    const QFontMetricsF metrics(font);
    // Advances measured with a typeface this machine lacks do not fit the
    // one drawn in its place, nor do cells of one width fit a proportional
    // typeface: the run is then set by the typeface's own widths.
    const QFontInfo resolved(font);
    // Double-byte text carries an advance per byte, not per letter: its
    // count does not match, and the typeface's own widths set it too.
    const bool ownAdvances = advances.size() == std::size_t(text.size()) &&
                             !TypefaceSubstituted(font.family(), resolved.family()) &&
                             (resolved.fixedPitch() || !UniformCells(advances));
    const std::size_t advanceCount = ownAdvances ? advances.size() : 0;

    double width = 0;
    const std::vector<double> offsets =
        characterOffsets(text, advances, advanceCount, alongScale, state_.characterExtra, metrics,
                         width);

    const QPointF start = alignedStart(state_.textAlign, width, metrics);
    const double x = start.x(), baseline = start.y();

    prepare();
    if ((options & TextClipped) && box.isValid()) painter_.setClipRect(box, Qt::IntersectClip);
    const QPointF origin = painter_.transform().map(reference);
    // Glyphs stand upright whatever the axes' directions: only the point
    // is mapped, the text is drawn in target pixels.
    painter_.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    painter_.rotate(std::atan2(baselineOnTarget.y(), baselineOnTarget.x()) * 180 / M_PI);
    if (state_.backgroundMode == Opaque)
        painter_.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                          state_.backgroundColour);
    const double letterPixels = double(font.pixelSize());
    glyphArea_ += letterPixels * letterPixels * double(text.size());
    const bool asOutlines = glyphArea_ > MaxGlyphArea;
    QPainterPath outlines;
    const auto drawRun = [&](QPointF at, const QString& run) {
        if (asOutlines)
            outlines.addText(at, font, run);
        else
            painter_.drawText(at, run);
    };
    painter_.setFont(font);
    painter_.setPen(state_.textColour);
    if (advanceCount == 0 && state_.characterExtra == 0) {
        drawRun(QPointF(x, baseline), text);
    } else {
        for (qsizetype i = 0; i < text.size(); ++i)
            drawRun(QPointF(x + offsets[std::size_t(i)], baseline), QString(text.at(i)));
    }
    if (asOutlines) painter_.fillPath(outlines, state_.textColour);
    if (updatePosition) state_.position += logicalBaseline * (width / alongScale);
}
