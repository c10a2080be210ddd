// SPDX-License-Identifier: GPL-3.0-or-later
// Lines, shapes, arcs, gradients and paths.

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include <QLinearGradient>
#include <QPainterPathStroker>

#include "pictures/metafile/gdi_player.h"

using namespace gdi;

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

namespace {
// A triangle's shading as a small texture over its box on the target: the
// colour is an affine function of the position, which bilinear sampling of
// a coarse grid reproduces exactly, so the work per triangle stays bounded
// whatever its size. One texel of margin keeps sampling from wrapping.
constexpr int ShadingTexels = 64;

struct Shading {
    QImage texture;
    QTransform toTarget;  // texture pixels onto target pixels
};

std::optional<Shading> ShadeTriangle(const QPolygonF& corners,
                                     const GdiPlayer::GradientVertex* vertex[3]) {
    const QPointF a = corners[0], b = corners[1], c = corners[2];
    const double det = (b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y());
    if (std::abs(det) < 1e-9) return std::nullopt;  // no area, nothing to fill
    const QRectF box = corners.boundingRect();
    const double cell = std::max(1.0, std::max(box.width(), box.height()) / ShadingTexels);
    const int columns = int(std::ceil(box.width() / cell)) + 2;
    const int rows = int(std::ceil(box.height() / cell)) + 2;
    QImage texture(columns, rows, QImage::Format_RGB32);
    if (texture.isNull()) return std::nullopt;
    const QPointF origin = box.topLeft() - QPointF(cell, cell);
    for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(texture.scanLine(y));
        for (int x = 0; x < columns; ++x) {
            const QPointF p = origin + QPointF((x + 0.5) * cell, (y + 0.5) * cell);
            // barycentric weights of b and c; a has the rest
            const double wb =
                ((p.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (p.y() - a.y())) / det;
            const double wc =
                ((b.x() - a.x()) * (p.y() - a.y()) - (p.x() - a.x()) * (b.y() - a.y())) / det;
            const double wa = 1 - wb - wc;
            const auto mix = [&](int (QColor::*channel)() const) {
                const double value = wa * (vertex[0]->colour.*channel)() +
                                     wb * (vertex[1]->colour.*channel)() +
                                     wc * (vertex[2]->colour.*channel)();
                return int(std::lround(std::clamp(value, 0.0, 255.0)));
            };
            line[x] = qRgb(mix(&QColor::red), mix(&QColor::green), mix(&QColor::blue));
        }
    }
    return Shading{texture, QTransform(cell, 0, 0, cell, origin.x(), origin.y())};
}
}  // namespace

void GdiPlayer::gradientTriangle(const GradientVertex& a, const GradientVertex& b,
                                 const GradientVertex& c) {
    if (inPath_) return;
    QPainterPath triangle;
    triangle.addPolygon(QPolygonF{a.at, b.at, c.at});
    triangle.closeSubpath();
    if (!onPage(triangle.boundingRect())) return;
    prepare();
    const GradientVertex* corners[3] = {&a, &b, &c};
    const std::optional<Shading> shading =
        ShadeTriangle(painter_.transform().map(QPolygonF{a.at, b.at, c.at}), corners);
    if (!shading) return;
    QBrush brush(shading->texture);
    // Brush transforms apply before the painter's own.
    brush.setTransform(shading->toTarget * painter_.transform().inverted());
    const bool smooth = painter_.testRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.fillPath(triangle, brush);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
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
    const auto curves = [&points](QPainterPath& path, qsizetype next) {
        for (; next + 2 < points.size(); next += 3)
            path.cubicTo(points[next], points[next + 1], points[next + 2]);
    };
    if (inPath_ && fromCurrentPosition) {
        // The curves extend the open figure; joining them onto it with
        // connectPath would draw a line from the figure before.
        if (points.size() < 3) return;
        QPainterPath& figure = openFigure();
        curves(figure, 0);
        state_.position = figure.currentPosition();
        return;
    }
    QPainterPath path;
    qsizetype next = 0;
    if (fromCurrentPosition) {
        path.moveTo(state_.position);
    } else {
        if (points.isEmpty()) return;
        path.moveTo(points[0]);
        next = 1;
    }
    curves(path, next);
    if (fromCurrentPosition && path.elementCount() > 1) state_.position = path.currentPosition();
    draw(path, false, true);
}

namespace {
constexpr uint8_t PointClosesFigure = 0x01, PointLineTo = 0x02, PointBezierTo = 0x04,
                  PointMoveTo = 0x06;

// The platform refuses the whole call when a type is unknown or a curve's
// points do not come in threes.
bool WellFormed(const std::vector<uint8_t>& types) {
    for (size_t i = 0; i < types.size(); ++i) {
        const uint8_t kind = types[i] & ~PointClosesFigure;
        if (kind == PointBezierTo) {
            if (i + 2 >= types.size()) return false;
            for (size_t k = i; k < i + 2; ++k)
                if (types[k] != PointBezierTo) return false;
            if ((types[i + 2] & ~PointClosesFigure) != PointBezierTo) return false;
            i += 2;
        } else if (kind != PointLineTo && kind != PointMoveTo) {
            return false;
        }
    }
    return true;
}
}  // namespace

void GdiPlayer::polyDraw(const DrawnPoints& drawn) {
    const QPolygonF& points = drawn.points;
    const std::vector<uint8_t>& types = drawn.types;
    if (points.size() != qsizetype(types.size()) || !WellFormed(types)) return;
    // Outside a path the figures are built as a path of their own and then
    // stroked; the path ended earlier stays for the records that use it.
    const bool ownPath = !inPath_;
    QPainterPath kept;
    if (ownPath) {
        std::swap(kept, path_);
        inPath_ = true;
        figureOpen_ = false;
    }
    for (qsizetype i = 0; i < points.size(); ++i) {
        const uint8_t kind = types[i] & ~PointClosesFigure;
        if (kind == PointMoveTo) {
            moveTo(points[i]);
        } else if (kind == PointLineTo) {
            openFigure().lineTo(points[i]);
        } else {
            openFigure().cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        }
        state_.position = points[i];
        if (types[i] & PointClosesFigure && kind != PointMoveTo) {
            path_.closeSubpath();
            figureOpen_ = false;
        }
    }
    if (!ownPath) return;
    const QPainterPath figures = std::exchange(path_, kept);
    inPath_ = false;
    figureOpen_ = false;
    draw(figures, false, true);
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

namespace {
// Continues the last figure of `onto` with the segments of `from` after its
// first point. (connectPath would drop a figure's opening MoveTo when Qt
// has skipped a line of no length after it, joining the figure before.)
void ExtendFigure(QPainterPath& onto, const QPainterPath& from) {
    for (int i = 1; i < from.elementCount(); ++i) {
        const QPainterPath::Element e = from.elementAt(i);
        if (e.isCurveTo() && i + 2 < from.elementCount()) {
            onto.cubicTo(e, from.elementAt(i + 1), from.elementAt(i + 2));
            i += 2;
        } else {
            onto.lineTo(e);
        }
    }
}
}  // namespace

void GdiPlayer::arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end) {
    QPainterPath path = arcPath(kind, box, start, end);
    if (path.elementCount() == 0) return;  // Qt refused angles that are not finite
    if (kind == ArcKind::ArcTo) {
        // A line from the current position to the arc's start, then the arc.
        QPainterPath joined(state_.position);
        QPainterPath& onto = inPath_ ? openFigure() : joined;
        onto.lineTo(path.elementAt(0));
        ExtendFigure(onto, path);
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

void GdiPlayer::beginPath() {
    inPath_ = true;
    figureOpen_ = false;
    path_ = QPainterPath();
}

void GdiPlayer::abortPath() {
    inPath_ = false;
    path_ = QPainterPath();
}

void GdiPlayer::widenPath() {
    // The ended path becomes the outline of its stroke with the current pen.
    // The platform refuses a path still open and a pen without width.
    const int style = state_.pen.style & PenStyleMask;
    if (inPath_ || state_.pen.width <= 0 || style == PenNull) return;
    // Simplified, the outline fills the same whatever the fill mode.
    path_ = QPainterPathStroker(qtPen()).createStroke(path_).simplified();
    figureOpen_ = false;
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
