// SPDX-License-Identifier: GPL-3.0-or-later
// Lines, shapes, arcs, gradients and paths.

#include <cmath>

#include <QLinearGradient>

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
