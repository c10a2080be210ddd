// SPDX-License-Identifier: GPL-3.0-or-later
// The device context: saved states, the object table, the mapping from
// logical units onto the target, and pens, brushes and raster operations
// put on the painter.

#include "pictures/metafile/gdi_player.h"

#include <algorithm>
#include <cmath>

using namespace gdi;

namespace {

constexpr std::size_t MaxSavedStates = 4096;
constexpr double PixelsPerMmFallback = 96 / 25.4;

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

}  // namespace

bool GdiPlayer::reasonable(const QRectF& area) {
    // Qt's path operations and rasterizer need finite coordinates of a
    // sane size; a file whose transforms or extents make them otherwise
    // has that step skipped.
    constexpr double MaxTargetCoordinate = 1e8;
    for (double v : {area.left(), area.top(), area.right(), area.bottom()})
        if (!std::isfinite(v) || std::abs(v) > MaxTargetCoordinate) return false;
    return true;
}

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

QList<qreal> GdiPlayer::dashPattern(const Pen& pen) const {
    // In units of the pen's width, an even count (an odd one repeats once
    // more, as the platform's alternation does).
    QList<qreal> pattern;
    double length = 0;
    const double unit = pen.width > 0 ? pen.width : 1;
    constexpr double Least = 1e-3;  // Qt wants every entry above zero
    for (double entry : pen.dashes) {
        pattern.append(std::max(entry / unit, Least));
        length += entry;
    }
    if (pattern.size() % 2) pattern += pattern;
    // A pattern shorter than two pixels on the target draws as a solid line;
    // dashing it would cost a stroke per pixel.
    const double pixels = pen.width > 0 ? length * scaleOnTarget() : length;
    if (pixels < MinimumDashPatternPixels) return {};
    return pattern;
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
        // Only a geometric pen strokes with a hatch or a pattern.
        if (pen.stroke.style != BrushSolid) qpen.setBrush(qtBrush(pen.stroke));
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
        case PenUserStyle:
            if (const QList<qreal> pattern = dashPattern(pen); !pattern.isEmpty())
                qpen.setDashPattern(pattern);
            break;
        default:
            break;
    }
    const int cap = pen.style & PenEndCapMask;
    qpen.setCapStyle(cap == PenEndCapFlat     ? Qt::FlatCap
                     : cap == PenEndCapSquare ? Qt::SquareCap
                                              : Qt::RoundCap);
    const int join = pen.style & PenJoinMask;
    // A miter longer than the limit is bevelled on the platform; Qt's plain
    // miter would be cut short instead. The SVG kind measures its limit as
    // the platform does, against the pen's width.
    qpen.setJoinStyle(join == PenJoinBevel   ? Qt::BevelJoin
                      : join == PenJoinMiter ? Qt::SvgMiterJoin
                                             : Qt::RoundJoin);
    qpen.setMiterLimit(state_.miterLimit);
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
            if (!brush.pattern.isNull()) {
                QImage tile = brush.pattern;
                // Opaque whatever the background mode: that mode governs
                // hatches, text and styled pens only.
                if (brush.monochrome)
                    tile.setColorTable({state_.textColour.rgb(), state_.backgroundColour.rgb()});
                // Repeated pixel for pixel on the target from its origin,
                // whatever the mapping on the painter.
                QBrush pattern(tile);
                pattern.setTransform(painter_.transform().inverted());
                return pattern;
            }
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
            // A user style's pattern is in widths: keep its lengths on the target.
            if (pen.style() == Qt::CustomDashLine && !pen.isCosmetic()) {
                const double widthOnTarget = pen.widthF() * scaleOnTarget();
                QList<qreal> pattern = pen.dashPattern();
                for (qreal& entry : pattern) entry *= widthOnTarget;
                pen.setDashPattern(pattern);
            }
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
