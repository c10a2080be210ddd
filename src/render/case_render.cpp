// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/case_render.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>

#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/disc_texts.h"
#include "render/shown_text.h"

namespace {

// A spine's text keeps this far from its folds, in tenths of a millimetre.
constexpr int SpineSideMargin = 15;
QRect inUnits(const QRectF& mm) {
    return QRectF(mm.topLeft() * CaseUnitsPerMm, mm.size() * CaseUnitsPerMm).toRect();
}

// The lines, one under the other in the canvas's font, stand within the box.
bool linesFit(const Canvas& canvas, const QStringList& lines, const QRect& box) {
    if (canvas.textHeight(lines.first()) * lines.size() >= box.height()) return false;
    return std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return canvas.textWidth(line) < box.width(); });
}

int drawTrackList(Canvas& canvas, const QRect& box, const CaseTexts& texts) {
    const QStringList& tracks = texts.tracks;
    if (tracks.isEmpty() || !texts.trackList) return 0;
    UseCaseFont(canvas, texts.backTypeface, texts.backColour);
    const int size = ShrinkToFit(canvas, [&] { return linesFit(canvas, tracks, box); });
    const int lineHeight = canvas.textHeight(tracks.first());
    for (int i = 0; i < tracks.size(); ++i) {
        const int x = texts.centred ? box.center().x() - canvas.textWidth(tracks[i]) / 2 : box.left();
        canvas.textOut(x, box.top() + i * lineHeight, tracks[i], Paragraph::LeftToRight);
    }
    return size;
}

// Artist and title, each centred on its own line, the two lines centred in
// the box.
int drawFrontTexts(Canvas& canvas, const QRect& box, const CaseTexts& texts) {
    if (texts.noFrontText) return 0;
    QStringList lines;
    const QString artist = ShownText(texts.artist);
    const QString title = ShownText(texts.title);
    if (!artist.isEmpty()) lines << artist + texts.separator;
    if (!title.isEmpty()) lines << title;
    if (lines.isEmpty()) return 0;
    UseCaseFont(canvas, texts.frontTypeface, texts.frontColour);
    const int size = ShrinkToFit(canvas, [&] { return linesFit(canvas, lines, box); });
    const int lineHeight = canvas.textHeight(lines.first());
    const int top = box.center().y() - lineHeight * int(lines.size()) / 2;
    for (int i = 0; i < lines.size(); ++i)
        canvas.textOut(box.center().x() - canvas.textWidth(lines[i]) / 2, top + i * lineHeight,
                       lines[i]);
    return size;
}

// Artist and title along the spine in the back's colour, reading downward
// (tops toward the front panel) unless turned.
int drawSpineText(Canvas& canvas, const QRect& box, const CaseTexts& texts) {
    const QString line =
        ShownText(texts.artist) + texts.separator + ShownText(texts.title);
    if (line.isEmpty()) return 0;
    UseCaseFont(canvas, QString::fromLatin1(SpineTypeface), texts.backColour);
    const int across = box.width() - 2 * SpineSideMargin;
    const int size = ShrinkToFit(canvas, [&] {
        return canvas.textHeight(line) < across && canvas.textWidth(line) < box.height();
    });
    const int height = canvas.textHeight(line);
    const int length = canvas.textWidth(line);
    // A turned text's cell turns about its top-left corner.
    if (texts.spinesTurned) {
        canvas.font.escapement = ReadingUpward;
        canvas.textOut(box.center().x() - height / 2, box.center().y() + length / 2, line);
    } else {
        canvas.font.escapement = ReadingDownward;
        canvas.textOut(box.center().x() + height / 2, box.center().y() - length / 2, line);
    }
    canvas.font.escapement = 0;
    return size;
}

// The area grown by the bleed on each side that lies on the piece's edge.
QRect withBleed(const QRect& area, const QSize& piece, int bleed) {
    return area.adjusted(area.left() <= 0 ? -bleed : 0, area.top() <= 0 ? -bleed : 0,
                         area.right() + 1 >= piece.width() ? bleed : 0,
                         area.bottom() + 1 >= piece.height() ? bleed : 0);
}

QPainterPath ringPath(const DiscRing& ring, double outerGrowth, double holeShrink = 0) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    const QPointF centre = ring.centre * CaseUnitsPerMm;
    const double outer = (ring.outerRadius + outerGrowth) * CaseUnitsPerMm;
    const double hole = (ring.holeRadius - holeShrink) * CaseUnitsPerMm;
    path.addEllipse(centre, outer, outer);
    path.addEllipse(centre, hole, hole);
    return path;
}

void drawPictures(QPainter& painter, Canvas& canvas, double devicePerUnit, const CaseShape& shape,
                  const CaseContent& content, double bleedMm) {
    if (!content.picture) return;
    const QSize piece = inUnits(QRectF(QPointF(), shape.size)).size();
    const int bleed = int(std::lround(bleedMm * CaseUnitsPerMm));
    for (const PictureArea& area : shape.pictures) {
        const QRect target = withBleed(inUnits(area.area), piece, bleed);
        const PictureBitmap picture = content.picture(
            area.picture, (QSizeF(target.size()) * devicePerUnit).toSize().expandedTo({1, 1}));
        if (picture.isNull()) continue;
        painter.save();
        if (shape.ring) painter.setClipPath(ringPath(*shape.ring, bleedMm), Qt::IntersectClip);
        canvas.drawFramedPicture(target, inUnits(area.area), area.area.size(), picture,
                                 FrameOf(content, area.picture));
        painter.restore();
    }
}

void drawGuides(QPainter& painter, Canvas& canvas, double devicePerUnit, const CaseShape& shape,
                const CaseGuides& guides) {
    // At least a device pixel wide, so a small view shows every line.
    canvas.pen.width = std::max(1, int(std::ceil(1 / devicePerUnit)));
    canvas.pen.color = guides.colour;
    for (const CasePiece& piece : shape.pieces) {
        const QRect cut = inUnits(piece.cut);
        if (piece.guide == InsertSide::Back ? guides.backCut : guides.frontCut) {
            if (shape.ring) {
                // Both circles' lines lie on the label, their edges on the cut,
                // as a rectangle's border lies inside it.
                const double halfPenMm = canvas.pen.width / double(CaseUnitsPerMm) / 2;
                painter.save();
                painter.setPen(QPen(guides.colour, canvas.pen.width));
                painter.setBrush(Qt::NoBrush);
                painter.drawPath(ringPath(*shape.ring, -halfPenMm, -halfPenMm));
                painter.restore();
            } else {
                canvas.rectangle(cut.left(), cut.top(), cut.right() + 1, cut.bottom() + 1);
            }
        }
        if (!guides.folds) continue;
        for (double fold : piece.folds) {
            const int x = int(std::lround(fold * CaseUnitsPerMm));
            canvas.moveTo(x, cut.top());
            canvas.lineTo(x, cut.bottom() + 1);
        }
    }
}

// The jewel case's texts by its own rules for paper, in its boxes: the track
// list, the left and right spine, the front.
void drawByRules(Canvas& canvas, const CaseShape& shape, const TextRules& rules,
                 const CaseTexts& texts, CaseFit& fit) {
    std::vector<TextTarget> spines;
    const TextBox* trackBox = nullptr;
    const TextBox* frontBox = nullptr;
    for (const TextBox& box : shape.texts) {
        if (box.role == TextRole::Spine) spines.push_back({canvas, inUnits(box.area)});
        if (box.role == TextRole::TrackList) trackBox = &box;
        if (box.role == TextRole::FrontTexts) frontBox = &box;
    }
    const LayoutMode mode = texts.centred ? LayoutMode::Centred : LayoutMode::Left;
    JewelScreenFit settled;
    UseCaseFont(canvas, texts.backTypeface, texts.backColour, rules.trackStartSize);
    if (trackBox && !texts.tracks.isEmpty()) {
        FitBackFont(canvas, texts.tracks, rules, settled);
        DrawTrackLines({canvas, inUnits(trackBox->area)}, texts.tracks, mode, rules, settled);
        fit.trackSize = canvas.font.size;
    }
    if (frontBox && !texts.noFrontText) {
        UseCaseFont(canvas, texts.frontTypeface, texts.frontColour, rules.frontStartSize);
        DrawFrontTexts({canvas, inUnits(frontBox->area)}, texts, mode, rules, settled);
        fit.frontSize = canvas.font.size;
    }
    if (spines.size() == 2) {
        DrawSpineTexts(spines[0], spines[1], texts, mode, rules);
        fit.spineSize = canvas.font.size;
    }
    canvas.font.escapement = 0;
}

}  // namespace

void UseCaseFont(Canvas& canvas, const QString& typeface, const QColor& colour, int size) {
    canvas.font.name = typeface.isEmpty() ? QString::fromLatin1(CaseTypeface) : typeface;
    canvas.font.color = colour;
    canvas.font.size = size;
    canvas.font.escapement = 0;
}

CaseFit DrawCase(QPainter& painter, double devicePerUnit, const CaseShape& shape,
                 const CaseContent& content, double bleedMm) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect piece = inUnits(QRectF(QPointF(), shape.size));
    Canvas canvas(painter, piece.size(), CaseUnitsPerInch);
    canvas.brushStyle = BrushStyle::Clear;  // texts on the pictures, outlines unfilled

    drawPictures(painter, canvas, devicePerUnit, shape, content, bleedMm);
    if (shape.guidesUnderTexts) drawGuides(painter, canvas, devicePerUnit, shape, content.guides);
    CaseFit fit;
    if (content.laidOut && shape.ring && content.texts.discArcs) {
        fit = DrawDiscTexts(painter, canvas, *shape.ring, content.texts);
    } else if (content.laidOut && shape.textRules) {
        drawByRules(canvas, shape, shape.textRules->page, content.texts, fit);
    } else if (content.laidOut) {
        for (const TextBox& box : shape.texts) {
            const QRect area = inUnits(box.area);
            switch (box.role) {
                case TextRole::TrackList: fit.trackSize = drawTrackList(canvas, area, content.texts); break;
                case TextRole::FrontTexts: fit.frontSize = drawFrontTexts(canvas, area, content.texts); break;
                case TextRole::Spine: fit.spineSize = drawSpineText(canvas, area, content.texts); break;
            }
        }
    }
    if (!shape.guidesUnderTexts) drawGuides(painter, canvas, devicePerUnit, shape, content.guides);
    painter.restore();
    return fit;
}
