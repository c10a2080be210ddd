// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmaps and raster operations, filled and framed regions, clipping.

#include <cmath>

#include "pictures/metafile/gdi_player.h"

using namespace gdi;

namespace {
// Everything, for clip operations that start from "no clip".
const QRectF Everywhere(-1e7, -1e7, 2e7, 2e7);

// The raster operations a blit names.
constexpr uint32_t Blackness = 0x00000042, Whiteness = 0x00FF0062, PatCopy = 0x00F00021;
constexpr uint32_t SrcAnd = 0x008800C6, SrcPaint = 0x00EE0086, SrcInvert = 0x00660046;
constexpr uint32_t DstInvert = 0x00550009, NotSrcCopy = 0x00330008;

// Whether the operation lays the brush's pattern.
bool patterned(uint32_t rop) {
    return rop == PatCopy || (rop >> 16) == 0xF0;
}

// A blit without a bitmap: black, white, the page inverted or the brush
// over the box, by the raster operation.
void blitWithoutBitmap(QPainter& painter, const QRectF& box, uint32_t rop, const QBrush& brush) {
    if (rop == Blackness)
        painter.fillRect(box, Qt::black);
    else if (rop == Whiteness)
        painter.fillRect(box, Qt::white);
    else if (rop == DstInvert) {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(box, Qt::white);
    } else if (patterned(rop))
        painter.fillRect(box, brush);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// A negative extent mirrors the picture, as the library's blits do.
QTransform mirroring(const QRectF& target) {
    QTransform mirror;
    if (target.width() < 0 || target.height() < 0) {
        const QPointF centre = target.normalized().center();
        mirror.translate(centre.x(), centre.y());
        mirror.scale(target.width() < 0 ? -1 : 1, target.height() < 0 ? -1 : 1);
        mirror.translate(-centre.x(), -centre.y());
    }
    return mirror;
}

}  // namespace

void GdiPlayer::bitmap(const QRectF& target, const QImage& image, const QRectF& source,
                       uint32_t rop, double opacity) {
    if (inPath_ || !onPage(target.normalized())) return;
    prepare();
    const QRectF box = target.normalized();
    // Blits cover whole pixels, so that raster operations applied twice
    // to the same place cancel exactly, edges included.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    if (image.isNull()) {
        blitWithoutBitmap(painter_, box, rop,
                          patterned(rop) ? qtBrush(state_.brush) : QBrush());
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
    const QTransform toTarget = mirroring(target) * painter_.transform();
    // Stretched pixels are repeated, unless the file asks for halftoning.
    painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                           state_.stretchMode == StretchHalftone && !combines);
    // Only the part of the source inside the bitmap is drawn, where it
    // would have landed.
    const QRectF from = source.isValid() ? source : QRectF(drawn.rect());
    QRectF inside = from.intersected(QRectF(drawn.rect()));
    painter_.setOpacity(opacity);
    if (!inside.isEmpty()) {
        const double sx = box.width() / from.width(), sy = box.height() / from.height();
        const QRectF onto(box.left() + (inside.left() - from.left()) * sx,
                          box.top() + (inside.top() - from.top()) * sy, inside.width() * sx,
                          inside.height() * sy);
        if (toTarget.type() <= QTransform::TxScale) {
            // Unsmoothed scaling onto flipped axes reads outside the bitmap
            // in Qt: flip the pixels instead and draw onto upright axes.
            const bool flipX = toTarget.m11() < 0, flipY = toTarget.m22() < 0;
            if (flipX || flipY) {
                drawn = drawn.mirrored(flipX, flipY);
                if (flipX) inside.moveLeft(drawn.width() - inside.right());
                if (flipY) inside.moveTop(drawn.height() - inside.bottom());
            }
            painter_.resetTransform();
            painter_.drawImage(toTarget.mapRect(onto), drawn, inside);
        } else {
            painter_.setTransform(toTarget);
            painter_.drawImage(onto, drawn, inside);
        }
    }
    painter_.setOpacity(1);
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
