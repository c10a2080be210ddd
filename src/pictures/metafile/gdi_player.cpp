#include "pictures/metafile/gdi_player.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>

#include "pictures/metafile/font_substitution.h"

using namespace gdi;

namespace {

constexpr std::size_t MaxSavedStates = 4096;
constexpr double MaxFontPixels = 4000;
constexpr double PixelsPerMmFallback = 96 / 25.4;
// Everything, for clip operations that start from "no clip".
const QRectF Everywhere(-1e7, -1e7, 2e7, 2e7);

// Millimetres per logical unit of the fixed mapping modes.
double millimetresPerUnit(int mapMode) {
    switch (mapMode) {
        case MapLoMetric:
            return 0.1;
        case MapHiMetric:
            return 0.01;
        case MapLoEnglish:
            return 0.254;
        case MapHiEnglish:
            return 0.0254;
        case MapTwips:
            return 25.4 / 1440;
        default:
            return 0;
    }
}

QTransform scaleAbout(QPointF from, double sx, double sy, QPointF to) {
    return QTransform(sx, 0, 0, sy, to.x() - from.x() * sx, to.y() - from.y() * sy);
}

double safeRatio(double a, double b) {
    return b == 0 ? 1 : a / b;
}

// Qt's path operations and rasterizer need finite coordinates of a sane
// size; a file whose transforms or extents make them otherwise has that
// step skipped.
constexpr double MaxTargetCoordinate = 1e8;

bool reasonable(const QRectF& area) {
    for (double v : {area.left(), area.top(), area.right(), area.bottom()})
        if (!std::isfinite(v) || std::abs(v) > MaxTargetCoordinate) return false;
    return true;
}

}  // namespace

GdiPlayer::GdiPlayer(QPainter& painter, const MetafileStructure& meta, const QRectF& target)
    : painter_(painter), meta_(meta), target_(target) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    if (meta_.kind == MetafileKind::Wmf) {
        state_.windowOrigin = meta_.frame.topLeft();
        state_.windowExtent = meta_.frame.size();
    }
}

GdiPlayer::~GdiPlayer() {
    painter_.restore();
}

void GdiPlayer::saveState() {
    if (saved_.size() < MaxSavedStates) saved_.push_back(state_);
}

void GdiPlayer::restoreState(int which) {
    if (saved_.empty()) return;
    const qint64 count = qint64(saved_.size());
    const qint64 index = which < 0 ? count + which : qint64(which) - 1;
    if (index < 0 || index >= count) return;
    state_ = saved_[std::size_t(index)];
    saved_.resize(std::size_t(index));
}

void GdiPlayer::addObject(Object object) {
    for (auto& slot : objects_) {
        if (!slot) {
            slot = std::move(object);
            return;
        }
    }
    if (objects_.size() < MaxObjects) objects_.emplace_back(std::move(object));
}

void GdiPlayer::setObject(uint32_t index, Object object) {
    if (index >= MaxObjects) return;
    if (index >= objects_.size()) objects_.resize(index + 1);
    objects_[index] = std::move(object);
}

void GdiPlayer::selectObject(uint32_t index) {
    if (index & 0x80000000u) return selectStockObject(index & 0x7FFFFFFFu);
    if (index >= objects_.size() || !objects_[index]) return;
    const Object& object = *objects_[index];
    if (auto* pen = std::get_if<Pen>(&object)) state_.pen = *pen;
    if (auto* brush = std::get_if<Brush>(&object)) state_.brush = *brush;
    if (auto* font = std::get_if<Font>(&object)) state_.font = *font;
}

void GdiPlayer::deleteObject(uint32_t index) {
    if (index < objects_.size()) objects_[index].reset();
}

void GdiPlayer::selectStockObject(uint32_t stock) {
    const int greys[] = {255, 192, 128, 64, 0};
    if (stock <= 4)
        state_.brush = Brush{BrushSolid, QColor(greys[stock], greys[stock], greys[stock])};
    else if (stock == 5)
        state_.brush = Brush{BrushNull};
    else if (stock == 6)
        state_.pen = Pen{PenSolid, 0, Qt::white};
    else if (stock == 7)
        state_.pen = Pen{PenSolid, 0, Qt::black};
    else if (stock == 8)
        state_.pen = Pen{PenNull};
    else if (stock >= 10 && stock <= 17)
        state_.font = Font{};
}

QTransform GdiPlayer::deviceToTarget() const {
    const QRectF frame = meta_.frame;
    return scaleAbout(frame.topLeft(), safeRatio(target_.width(), frame.width()),
                      safeRatio(target_.height(), frame.height()), target_.topLeft());
}

QTransform GdiPlayer::logicalToTarget() const {
    const State& s = state_;
    if (meta_.kind == MetafileKind::Wmf) {
        // The window the file sets maps onto the whole target.
        return scaleAbout(s.windowOrigin, safeRatio(target_.width(), s.windowExtent.width()),
                          safeRatio(target_.height(), s.windowExtent.height()), target_.topLeft());
    }
    double sx = 1, sy = 1;
    if (const double mm = millimetresPerUnit(s.mapMode); mm > 0) {
        sx = mm * (meta_.devicePixelsPerMmX > 0 ? meta_.devicePixelsPerMmX : PixelsPerMmFallback);
        sy = -mm * (meta_.devicePixelsPerMmY > 0 ? meta_.devicePixelsPerMmY : PixelsPerMmFallback);
    } else if (s.mapMode == MapIsotropic || s.mapMode == MapAnisotropic) {
        sx = safeRatio(s.viewportExtent.width(), s.windowExtent.width());
        sy = safeRatio(s.viewportExtent.height(), s.windowExtent.height());
        if (s.mapMode == MapIsotropic) {
            const double smaller = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(smaller, sx);
            sy = std::copysign(smaller, sy);
        }
    }
    const QTransform page = scaleAbout(s.windowOrigin, sx, sy, s.viewportOrigin);
    return s.world * page * deviceToTarget();
}

QPen GdiPlayer::qtPen() const {
    const Pen& pen = state_.pen;
    const int style = pen.style & PenStyleMask;
    if (style == PenNull) return Qt::NoPen;
    QPen qpen(pen.colour);
    if (pen.width <= 0) {
        qpen.setCosmetic(true);
        qpen.setWidthF(1);
    } else {
        qpen.setWidthF(pen.width);
    }
    switch (style) {
        case PenDash:
            qpen.setStyle(Qt::DashLine);
            break;
        case PenDot:
        case PenAlternate:
            qpen.setStyle(Qt::DotLine);
            break;
        case PenDashDot:
            qpen.setStyle(Qt::DashDotLine);
            break;
        case PenDashDotDot:
            qpen.setStyle(Qt::DashDotDotLine);
            break;
        default:
            break;
    }
    const int cap = pen.style & PenEndCapMask;
    qpen.setCapStyle(cap == PenEndCapFlat     ? Qt::FlatCap
                     : cap == PenEndCapSquare ? Qt::SquareCap
                                              : Qt::RoundCap);
    const int join = pen.style & PenJoinMask;
    qpen.setJoinStyle(join == PenJoinBevel   ? Qt::BevelJoin
                      : join == PenJoinMiter ? Qt::MiterJoin
                                             : Qt::RoundJoin);
    return qpen;
}

QBrush GdiPlayer::qtBrush(const Brush& brush) const {
    switch (brush.style) {
        case BrushNull:
            return Qt::NoBrush;
        case BrushHatched: {
            const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                              Qt::FDiagPattern, Qt::BDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
            if (brush.hatch >= 0 && brush.hatch <= 5)
                return QBrush(brush.colour, hatches[brush.hatch]);
            // The styles after the six patterns are solid colours, plain or
            // dithered: the brush's, the text's or the background's.
            if (brush.hatch == HatchSolidText || brush.hatch == HatchSolidText + 1)
                return QBrush(state_.textColour);
            if (brush.hatch == HatchSolidBackground || brush.hatch == HatchSolidBackground + 1)
                return QBrush(state_.backgroundColour);
            return QBrush(brush.colour);
        }
        case BrushPattern:
        case BrushDibPattern:
        case BrushDibPatternPt:
            if (!brush.pattern.isNull()) return QBrush(brush.pattern);
            return QBrush(brush.colour);
        default:
            return QBrush(brush.colour);
    }
}

Qt::FillRule GdiPlayer::fillRule() const {
    return state_.polyFillMode == Winding ? Qt::WindingFill : Qt::OddEvenFill;
}

void GdiPlayer::prepare() {
    painter_.resetTransform();
    if (state_.clip)
        painter_.setClipPath(*state_.clip);
    else
        painter_.setClipping(false);
    painter_.setTransform(logicalToTarget());
}

void GdiPlayer::appendToPath(const QPainterPath& shape) {
    // A shape of its own is a figure of its own.
    path_.addPath(shape);
    figureOpen_ = false;
}

QPainterPath& GdiPlayer::openFigure() {
    if (!figureOpen_) {
        path_.moveTo(state_.position);
        figureOpen_ = true;
    }
    return path_;
}

double GdiPlayer::scaleOnTarget() const {
    return std::sqrt(std::abs(logicalToTarget().determinant()));
}

bool GdiPlayer::onPage(const QRectF& logical) const {
    return reasonable(logical) && reasonable(logicalToTarget().mapRect(logical));
}

QColor GdiPlayer::applyRop(const QColor& colour) {
    switch (state_.rop2) {
        case RopNop:
            return QColor();
        case RopBlack:
            return Qt::black;
        case RopWhite:
            return Qt::white;
        case RopNot:
            painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
            return Qt::white;
        case RopXorPen:
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case RopMaskPen:
            painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case RopMergePen:
            painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
        default:
            break;
    }
    return colour;
}

void GdiPlayer::draw(const QPainterPath& shape, bool fill, bool stroke) {
    if (inPath_) return appendToPath(shape);
    if (!onPage(shape.boundingRect())) return;
    QPainterPath path = shape;
    path.setFillRule(fillRule());
    prepare();
    if (!applyRop(Qt::black).isValid()) return;  // the raster operation draws nothing
    // Combining with what is there must touch each pixel fully or not at
    // all: a smoothed edge would not cancel when the same shape is drawn
    // again.
    painter_.setRenderHint(QPainter::Antialiasing, state_.rop2 == RopCopyPen);
    const bool fixedColour =
        state_.rop2 == RopBlack || state_.rop2 == RopWhite || state_.rop2 == RopNot;
    if (fill) {
        // A hatched brush on an opaque background shows the background colour
        // between its lines.
        if (state_.brush.style == BrushHatched && state_.backgroundMode == Opaque && !fixedColour)
            painter_.fillPath(path, state_.backgroundColour);
        QBrush brush = qtBrush(state_.brush);
        if (fixedColour && brush.style() != Qt::NoBrush) brush = QBrush(applyRop(brush.color()));
        painter_.fillPath(path, brush);
    }
    if (stroke) {
        painter_.setBrush(Qt::NoBrush);
        QPen pen = qtPen();
        if (fixedColour && pen.style() != Qt::NoPen) pen.setColor(applyRop(pen.color()));
        // The platform never draws a pen thinner than one device pixel;
        // smoothed, Qt would draw it as a faint grey line.
        const bool hairline = pen.isCosmetic() || pen.widthF() * scaleOnTarget() < 1;
        if (hairline) {
            pen.setCosmetic(true);
            pen.setWidthF(1);
        }
        painter_.setRenderHint(QPainter::Antialiasing, !hairline && state_.rop2 == RopCopyPen);
        painter_.setPen(pen);
        painter_.drawPath(path);
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void GdiPlayer::gradientRectangle(const GradientVertex& from, const GradientVertex& to,
                                  bool vertical) {
    if (inPath_) return;
    const QRectF box = QRectF(from.at, to.at).normalized();
    if (!onPage(box)) return;
    QLinearGradient shading(
        from.at, vertical ? QPointF(from.at.x(), to.at.y()) : QPointF(to.at.x(), from.at.y()));
    shading.setColorAt(0, from.colour);
    shading.setColorAt(1, to.colour);
    prepare();
    painter_.fillRect(box, shading);
}

void GdiPlayer::gradientTriangle(const GradientVertex& a, const GradientVertex& b,
                                 const GradientVertex& c) {
    if (inPath_) return;
    // Shaded with the corners' mean colour: close enough for a thumbnail.
    const QColor mean((a.colour.red() + b.colour.red() + c.colour.red()) / 3,
                      (a.colour.green() + b.colour.green() + c.colour.green()) / 3,
                      (a.colour.blue() + b.colour.blue() + c.colour.blue()) / 3);
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF{a.at, b.at, c.at});
    triangle.closeSubpath();
    if (!onPage(triangle.boundingRect())) return;
    prepare();
    painter_.fillPath(triangle, mean);
}

void GdiPlayer::lineTo(QPointF to) {
    if (inPath_) {
        openFigure().lineTo(to);
        state_.position = to;
        return;
    }
    QPainterPath line(state_.position);
    line.lineTo(to);
    state_.position = to;
    draw(line, false, true);
}

void GdiPlayer::polyline(const QPolygonF& points) {
    if (points.size() < 2 && !inPath_) return;
    QPainterPath path;
    path.addPolygon(points);
    draw(path, false, true);
}

void GdiPlayer::polylineTo(const QPolygonF& points) {
    if (points.isEmpty()) return;
    if (inPath_) {
        QPainterPath& figure = openFigure();
        for (const QPointF& point : points) figure.lineTo(point);
        state_.position = points.last();
        return;
    }
    QPolygonF chain;
    chain << state_.position << points;
    state_.position = points.last();
    polyline(chain);
}

void GdiPlayer::polygons(const std::vector<QPolygonF>& shapes) {
    QPainterPath path;
    for (const QPolygonF& shape : shapes) {
        if (shape.isEmpty()) continue;
        path.addPolygon(shape);
        path.closeSubpath();
    }
    draw(path, true, true);
}

void GdiPlayer::beziers(const QPolygonF& points, bool fromCurrentPosition) {
    QPainterPath path;
    qsizetype next = 0;
    if (fromCurrentPosition) {
        path.moveTo(state_.position);
    } else {
        if (points.isEmpty()) return;
        path.moveTo(points[0]);
        next = 1;
    }
    for (; next + 2 < points.size(); next += 3)
        path.cubicTo(points[next], points[next + 1], points[next + 2]);
    if (inPath_ && fromCurrentPosition) openFigure().connectPath(path);
    if (fromCurrentPosition && path.elementCount() > 1) state_.position = path.currentPosition();
    if (inPath_ && fromCurrentPosition) return;
    draw(path, false, true);
}

void GdiPlayer::rectangle(const QRectF& box) {
    QPainterPath path;
    path.addRect(box.normalized());
    draw(path, true, true);
}

void GdiPlayer::roundRectangle(const QRectF& box, QSizeF corner) {
    QPainterPath path;
    path.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2,
                        std::abs(corner.height()) / 2);
    draw(path, true, true);
}

void GdiPlayer::ellipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box.normalized());
    draw(path, true, true);
}

QPainterPath GdiPlayer::arcPath(ArcKind kind, const QRectF& box, QPointF start, QPointF end) const {
    const QRectF r = box.normalized();
    const QPointF centre = r.center();
    // Angles counter-clockwise as drawn on a y-down device.
    auto angleOf = [&](QPointF p) {
        return std::atan2(-(p.y() - centre.y()) * r.width(), (p.x() - centre.x()) * r.height()) *
               180 / M_PI;
    };
    const double from = angleOf(start);
    double sweep = angleOf(end) - from;
    if (sweep <= 0) sweep += 360;
    if (state_.arcsClockwise) sweep -= 360;
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(centre);
        path.arcTo(r, from, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, from);
        path.arcTo(r, from, sweep);
        if (kind == ArcKind::Chord) path.closeSubpath();
    }
    return path;
}

void GdiPlayer::arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end) {
    QPainterPath path = arcPath(kind, box, start, end);
    if (path.elementCount() == 0) return;  // Qt refused angles that are not finite
    if (kind == ArcKind::ArcTo) {
        QPainterPath joined(state_.position);
        joined.lineTo(path.elementAt(0));
        joined.connectPath(path);
        if (inPath_) openFigure().connectPath(joined);
        state_.position = path.currentPosition();
        if (inPath_) return;
        return draw(joined, false, true);
    }
    const bool closed = kind == ArcKind::Chord || kind == ArcKind::Pie;
    draw(path, closed, true);
}

void GdiPlayer::setPixel(QPointF at, const QColor& colour) {
    if (!onPage(QRectF(at, QSizeF(1, 1)))) return;
    prepare();
    const QPointF device = painter_.transform().map(at);
    painter_.resetTransform();
    painter_.fillRect(QRectF(std::floor(device.x()), std::floor(device.y()), 1, 1), colour);
}

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
    const QFontMetricsF metrics(font);
    // Advances measured with a typeface this machine lacks do not fit the
    // one drawn in its place, nor do cells of one width fit a proportional
    // typeface: the run is then set by the typeface's own widths.
    const QFontInfo resolved(font);
    const bool ownAdvances = !TypefaceSubstituted(font.family(), resolved.family()) &&
                             (resolved.fixedPitch() || !UniformCells(advances));
    const std::size_t advanceCount = ownAdvances ? advances.size() : 0;

    // Where each character stands along the baseline, in target pixels.
    std::vector<double> offsets;
    double width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        offsets.push_back(width);
        const bool given = std::size_t(i) < advanceCount;
        width += given ? advances[std::size_t(i)] * alongScale
                       : metrics.horizontalAdvance(text.at(i)) + state_.characterExtra * alongScale;
    }

    double x = 0;
    if ((state_.textAlign & TextHorizontalMask) == TextCenter)
        x = -width / 2;
    else if ((state_.textAlign & TextHorizontalMask) == TextRight)
        x = -width;
    double baseline = metrics.ascent();
    if ((state_.textAlign & TextVerticalMask) == TextBaseline)
        baseline = 0;
    else if ((state_.textAlign & TextVerticalMask) == TextBottom)
        baseline = -metrics.descent();

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
    painter_.setFont(font);
    painter_.setPen(state_.textColour);
    if (advanceCount == 0 && state_.characterExtra == 0) {
        painter_.drawText(QPointF(x, baseline), text);
    } else {
        for (qsizetype i = 0; i < text.size(); ++i)
            painter_.drawText(QPointF(x + offsets[std::size_t(i)], baseline), QString(text.at(i)));
    }
    if (updatePosition) state_.position += logicalBaseline * (width / alongScale);
}

void GdiPlayer::bitmap(const QRectF& target, const QImage& image, const QRectF& source,
                       uint32_t rop) {
    if (inPath_ || !onPage(target.normalized())) return;
    prepare();
    constexpr uint32_t Blackness = 0x00000042, Whiteness = 0x00FF0062, PatCopy = 0x00F00021;
    constexpr uint32_t SrcAnd = 0x008800C6, SrcPaint = 0x00EE0086, SrcInvert = 0x00660046;
    constexpr uint32_t DstInvert = 0x00550009, NotSrcCopy = 0x00330008;
    const QRectF box = target.normalized();
    // Blits cover whole pixels, so that raster operations applied twice
    // to the same place cancel exactly, edges included.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    if (image.isNull()) {
        if (rop == Blackness)
            painter_.fillRect(box, Qt::black);
        else if (rop == Whiteness)
            painter_.fillRect(box, Qt::white);
        else if (rop == DstInvert) {
            painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_.fillRect(box, Qt::white);
        } else if (rop == PatCopy || (rop >> 16) == 0xF0)
            painter_.fillRect(box, qtBrush(state_.brush));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.setRenderHint(QPainter::Antialiasing);
        return;
    }
    QImage drawn = image;
    const bool combines = rop == SrcAnd || rop == SrcPaint || rop == SrcInvert;
    switch (rop) {
        case SrcAnd:
            painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case SrcPaint:
            painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
        case SrcInvert:
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case NotSrcCopy:
            drawn.invertPixels();
            break;
        default:
            break;
    }
    // A negative extent mirrors the picture, as the library's blits do.
    QTransform mirror;
    if (target.width() < 0 || target.height() < 0) {
        const QPointF centre = box.center();
        mirror.translate(centre.x(), centre.y());
        mirror.scale(target.width() < 0 ? -1 : 1, target.height() < 0 ? -1 : 1);
        mirror.translate(-centre.x(), -centre.y());
    }
    painter_.setTransform(mirror * painter_.transform());
    // Stretched pixels are repeated, unless the file asks for halftoning.
    painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                           state_.stretchMode == StretchHalftone && !combines);
    painter_.drawImage(box, drawn, source.isValid() ? source : QRectF(drawn.rect()));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setRenderHint(QPainter::Antialiasing);
}

void GdiPlayer::fillRegion(const std::vector<QRectF>& rectangles, const Brush& brush, bool device) {
    if (inPath_) return;
    QPainterPath region;
    for (const QRectF& r : rectangles) region.addRect(r.normalized());
    const QRectF bounds = region.boundingRect();
    if (device ? !reasonable(deviceToTarget().mapRect(bounds)) : !onPage(bounds)) return;
    prepare();
    if (device) painter_.setTransform(deviceToTarget());
    painter_.fillPath(region.simplified(), qtBrush(brush));
}

void GdiPlayer::frameRegion(const std::vector<QRectF>& rectangles, const Brush& brush,
                            QSizeF size) {
    if (inPath_) return;
    QPainterPath region;
    for (const QRectF& r : rectangles) region.addRect(r.normalized());
    const double width = std::max(std::abs(size.width()), std::abs(size.height()));
    if (!onPage(region.boundingRect().adjusted(-width, -width, width, width))) return;
    region = region.simplified();
    prepare();
    QPen frame(qtBrush(brush), width);
    painter_.strokePath(region, frame);
}

void GdiPlayer::beginPath() {
    inPath_ = true;
    figureOpen_ = false;
    path_ = QPainterPath();
}

void GdiPlayer::abortPath() {
    inPath_ = false;
    path_ = QPainterPath();
}

void GdiPlayer::closeFigure() {
    if (!inPath_) return;
    path_.closeSubpath();
    figureOpen_ = false;
}

void GdiPlayer::fillPath() {
    inPath_ = false;
    draw(path_, true, false);
    path_ = QPainterPath();
}

void GdiPlayer::strokePath() {
    inPath_ = false;
    draw(path_, false, true);
    path_ = QPainterPath();
}

void GdiPlayer::strokeAndFillPath() {
    inPath_ = false;
    draw(path_, true, true);
    path_ = QPainterPath();
}

void GdiPlayer::combineClip(const QPainterPath& area, int mode) {
    if (!reasonable(area.boundingRect())) return;
    QPainterPath current;
    if (state_.clip)
        current = *state_.clip;
    else
        current.addRect(Everywhere);
    switch (mode) {
        case RegionAnd:
            state_.clip = current.intersected(area);
            break;
        case RegionOr:
            state_.clip = current.united(area);
            break;
        case RegionXor:
            state_.clip = current.united(area).subtracted(current.intersected(area));
            break;
        case RegionDiff:
            state_.clip = current.subtracted(area);
            break;
        case RegionCopy:
            state_.clip = area;
            break;
        default:
            break;
    }
}

void GdiPlayer::selectClipPath(int mode) {
    inPath_ = false;
    QPainterPath logical = path_;
    logical.setFillRule(fillRule());
    combineClip(logicalToTarget().map(logical), mode);
    path_ = QPainterPath();
}

void GdiPlayer::intersectClip(const QRectF& logical) {
    QPainterPath area;
    area.addRect(logical.normalized());
    combineClip(logicalToTarget().map(area), RegionAnd);
}

void GdiPlayer::excludeClip(const QRectF& logical) {
    QPainterPath area;
    area.addRect(logical.normalized());
    combineClip(logicalToTarget().map(area), RegionDiff);
}

void GdiPlayer::offsetClip(QPointF logicalOffset) {
    if (!state_.clip) return;
    const QTransform map = logicalToTarget();
    const QPointF shift = map.map(logicalOffset) - map.map(QPointF(0, 0));
    state_.clip = state_.clip->translated(shift);
}

void GdiPlayer::selectClipRegion(const std::vector<QRectF>& deviceRectangles, int mode) {
    if (deviceRectangles.empty() && mode == RegionCopy) return resetClip();
    for (const QRectF& r : deviceRectangles)
        if (!reasonable(r) || !reasonable(deviceToTarget().mapRect(r))) return;
    QPainterPath area;
    for (const QRectF& r : deviceRectangles) area.addRect(r.normalized());
    combineClip(deviceToTarget().map(area.simplified()), mode);
}
