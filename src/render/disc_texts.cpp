// SPDX-License-Identifier: GPL-3.0-or-later
// Qt shapes each text (right-to-left runs, ligatures, fallback fonts for
// CJK) with QTextLayout; each shaped glyph is then set on the arc by hand,
// which no library here does.
#include "render/disc_texts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/shown_text.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
// Texts keep this far (0.1 mm) inside the cut and from the hole.
constexpr double EdgeMargin = 20;
constexpr double HoleGap = 15;
// An arc text spans at most this angle, and its band at most this depth.
constexpr double ArcSpan = 140 * Pi / 180;
constexpr double MaxBandDepth = 70;
// Between an arc's band and the track list.
constexpr double BandGap = 10;
constexpr double UnboundedLine = 1e7;

// The text shaped in one line, its glyphs in visual order from x = 0.
struct ShapedLine {
    QList<QGlyphRun> runs;
    double width = 0;
    double left = 0;  // where the first glyph starts in the line
};

ShapedLine shape(const QString& text, const QFont& chosen) {
    // Hinting fits glyphs to an upright pixel grid, which a turned glyph
    // does not lie on.
    QFont font = chosen;
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(UnboundedLine);
    layout.endLayout();
    ShapedLine shaped;
    shaped.runs = line.glyphRuns();
    shaped.width = line.naturalTextWidth();
    // A right-to-left line lies at the right of its width: measure from
    // its first glyph.
    double least = std::numeric_limits<double>::max();
    for (const QGlyphRun& run : shaped.runs)
        for (const QPointF& at : run.positions()) least = std::min(least, at.x());
    if (least != std::numeric_limits<double>::max()) shaped.left = least;
    return shaped;
}

struct Arc {
    QPointF centre;    // units
    double outer;      // the band's outer radius
    bool top;          // reading clockwise along the top, else upright along the bottom
};

// Every glyph turned to lie on the arc: its middle at its distance along
// the text, its baseline on the circle, the text centred on the arc's middle.
void drawOnArc(QPainter& painter, const ShapedLine& line, const QFontMetricsF& metrics,
               const Arc& arc, const QColor& colour) {
    const double baseline = arc.top ? arc.outer - metrics.ascent() : arc.outer - metrics.descent();
    painter.save();
    painter.setPen(colour);
    for (const QGlyphRun& run : line.runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
        for (int i = 0; i < glyphs.size(); ++i) {
            const double middle = positions[i].x() - line.left + advances[i].x() / 2 - line.width / 2;
            const double degrees = middle / baseline * 180 / Pi;
            QGlyphRun one;
            one.setRawFont(raw);
            one.setGlyphIndexes({glyphs[i]});
            one.setPositions({QPointF(0, 0)});
            painter.save();
            painter.translate(arc.centre);
            painter.rotate(arc.top ? degrees : -degrees);
            painter.drawGlyphRun(QPointF(-advances[i].x() / 2, arc.top ? -baseline : baseline), one);
            painter.restore();
        }
    }
    painter.restore();
}

// A size no fit can exceed: texts grow in proportion to their size, so a
// measure taken at the start size says where the fitter need begin (one
// point above, for the hinting's rounding).
int upperSize(double measuredAtStart, double limit) {
    if (measuredAtStart <= limit) return CaseTextStartSize;
    return std::clamp(int(CaseTextStartSize * limit / measuredAtStart) + 1, MinimumFontSize,
                      CaseTextStartSize);
}

// Fits the text to the band (no deeper than the most, no longer than the
// span at its baseline) and draws it; returns the size, 0 for no text, and
// the band's depth.
int arcText(QPainter& painter, Canvas& canvas, const QString& text, const Arc& arc,
            double& depth) {
    if (text.isEmpty()) return 0;
    ShapedLine line = shape(text, canvas.qtFont());
    QFontMetricsF metrics(canvas.qtFont());
    canvas.font.size = std::min(upperSize(metrics.height(), MaxBandDepth),
                                upperSize(line.width, arc.outer * ArcSpan));
    double span = 0;
    const int size = ShrinkToFit(canvas, [&] {
        const QFont font = canvas.qtFont();
        metrics = QFontMetricsF(font);
        line = shape(text, font);
        span = (arc.outer - (arc.top ? metrics.ascent() : metrics.descent())) * ArcSpan;
        return metrics.height() <= MaxBandDepth && line.width <= span;
    });
    // Still too long at the least size: cut short, rather than run round
    // the disc over itself.
    if (line.width > span)
        line = shape(metrics.elidedText(text, Qt::ElideRight, span), canvas.qtFont());
    drawOnArc(painter, line, metrics, arc, canvas.font.color);
    depth = std::max(depth, metrics.height());
    return size;
}

// The ring the track list may use, in units, from the disc's centre.
struct Room {
    double hole;
    double outer;
};

// A line from `top` to `bottom` (down from the centre) has one stretch
// across the ring, or one each side of the hole; none past the ring.
std::vector<std::pair<double, double>> stretches(const Room& room, double top, double bottom) {
    const double farthest = std::max(std::abs(top), std::abs(bottom));
    if (farthest >= room.outer) return {};
    const double halfOuter = std::sqrt(room.outer * room.outer - farthest * farthest);
    const double nearest = top < 0 && bottom > 0 ? 0 : std::min(std::abs(top), std::abs(bottom));
    if (nearest >= room.hole) return {{-halfOuter, halfOuter}};
    const double halfHole = std::sqrt(room.hole * room.hole - nearest * nearest);
    if (halfHole >= halfOuter) return {};
    return {{-halfOuter, -halfHole}, {halfHole, halfOuter}};
}

// Where each track line goes: its stretch and its top, down from the centre.
struct Placed {
    std::pair<double, double> stretch;
    double top;
};

// Below the hole, one line under the other, each centred in its stretch.
std::vector<Placed> below(const Room& room, int count, double lineHeight) {
    std::vector<Placed> placed;
    for (int i = 0; i < count; ++i) {
        const double top = room.hole + i * lineHeight;
        const auto found = stretches(room, top, top + lineHeight);
        if (found.size() != 1) return {};
        placed.push_back({found.front(), top});
    }
    return placed;
}

// In two columns beside the hole, the first half of the list at the left,
// both centred on the hole's middle; where a line passes above or below the
// hole its columns meet in the middle.
std::vector<Placed> beside(const Room& room, int count, double lineHeight) {
    const int rows = (count + 1) / 2;
    std::vector<Placed> placed;
    for (int i = 0; i < count; ++i) {
        const int row = i % rows;
        const bool left = i < rows;
        const double top = -rows * lineHeight / 2 + row * lineHeight;
        auto found = stretches(room, top, top + lineHeight);
        if (found.empty()) return {};
        if (found.size() == 1)
            found = {{found[0].first, -HoleGap / 2}, {HoleGap / 2, found[0].second}};
        placed.push_back({left ? found[0] : found[1], top});
    }
    return placed;
}

bool linesFit(const Canvas& canvas, const QStringList& lines, const std::vector<Placed>& placed) {
    if (placed.size() != size_t(lines.size())) return false;
    for (int i = 0; i < lines.size(); ++i) {
        const auto [from, to] = placed[size_t(i)].stretch;
        if (canvas.textWidth(lines[i]) >= to - from) return false;
    }
    return true;
}

// The larger of the two arrangements; below the hole where they tie.
int trackList(Canvas& canvas, const QPointF& centre, const Room& room, const CaseTexts& texts) {
    const QStringList& tracks = texts.tracks;
    if (tracks.isEmpty() || !texts.trackList) return 0;
    UseCaseFont(canvas, texts.backTypeface, texts.backColour);
    using Arrange = std::vector<Placed> (*)(const Room&, int, double);
    int widest = 0;
    for (const QString& line : tracks) widest = std::max(widest, canvas.textWidth(line));
    const double height = canvas.textHeight(tracks.first());
    const int count = int(tracks.size());
    const int rows = (count + 1) / 2;
    // No line is wider than its arrangement's widest stretch, no list
    // taller than its room.
    const double belowChord = 2 * std::sqrt(std::max(0.0, room.outer * room.outer - room.hole * room.hole));
    const auto startOf = [&](Arrange arrange) {
        return arrange == below ? std::min(upperSize(widest, belowChord),
                                           upperSize(height * count, room.outer - room.hole))
                                : std::min(upperSize(widest, room.outer - room.hole),
                                           upperSize(height * rows, 2 * room.outer));
    };
    const auto fitted = [&](Arrange arrange) {
        canvas.font.size = startOf(arrange);
        return ShrinkToFit(canvas, [&] {
            return linesFit(canvas, tracks,
                            arrange(room, int(tracks.size()), canvas.textHeight(tracks.first())));
        });
    };
    const int belowSize = fitted(below);
    const int besideSize = fitted(beside);
    const Arrange chosen = besideSize > belowSize ? beside : below;
    canvas.font.size = std::max(besideSize, belowSize);
    const std::vector<Placed> placed =
        chosen(room, int(tracks.size()), canvas.textHeight(tracks.first()));
    for (size_t i = 0; i < placed.size() && i < size_t(tracks.size()); ++i) {
        const auto [from, to] = placed[i].stretch;
        const QString& line = tracks[int(i)];
        const double x = centre.x() + (from + to) / 2 - canvas.textWidth(line) / 2.0;
        canvas.textOut(int(std::lround(x)), int(std::lround(centre.y() + placed[i].top)), line,
                       Paragraph::LeftToRight);
    }
    return canvas.font.size;
}

}  // namespace

CaseFit DrawDiscTexts(QPainter& painter, Canvas& canvas, const DiscRing& ring,
                      const CaseTexts& texts) {
    const QPointF centre = ring.centre * CaseUnitsPerMm;
    const double outer = ring.outerRadius * CaseUnitsPerMm - EdgeMargin;
    CaseFit fit;
    double depth = 0;
    if (!texts.noFrontText) {
        UseCaseFont(canvas, texts.frontTypeface, texts.frontColour);
        const int artist =
            arcText(painter, canvas, ShownText(texts.artist), {centre, outer, true}, depth);
        UseCaseFont(canvas, texts.frontTypeface, texts.frontColour);
        const int title =
            arcText(painter, canvas, ShownText(texts.title), {centre, outer, false}, depth);
        fit.frontSize = artist ? artist : title;
    }
    const Room room{ring.holeRadius * CaseUnitsPerMm + HoleGap,
                    outer - (depth > 0 ? depth + BandGap : 0)};
    fit.trackSize = trackList(canvas, centre, room, texts);
    return fit;
}
