// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readers of the enhanced metafile records' fields, one per record family;
// each checks what it reads against the record and throws SkipRecord or
// OutOfBounds when the record cannot hold it.

#include <vector>

#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include "pictures/metafile/byte_view.h"
#include "pictures/metafile/gdi_objects.h"
#include "pictures/metafile/gdi_player.h"

namespace emf {

// Polyline, Polygon, PolyBezier and their -To and 16-bit kinds.
QPolygonF PolyPoints(const ByteView& r, bool wide);
// PolyPolygon and PolyPolyline.
std::vector<QPolygonF> PolyPolygons(const ByteView& r, bool wide);
// PolyDraw and PolyDraw16: the points with, for each, how it is reached.
GdiPlayer::DrawnPoints ReadPolyDraw(const ByteView& r, bool wide);
// An XFORM; one that is not finite cannot be drawn with.
QTransform Xform(const ByteView& r, qsizetype at);
// The rectangles of a RGNDATA structure of `length` bytes at `at`.
std::vector<QRectF> RegionRectangles(const ByteView& r, qsizetype at, qint64 length);
// A bitmap given by header and bits offsets and sizes starting at
// `offsetAt`; null when there is none.
QImage RecordBitmap(const ByteView& r, qsizetype offsetAt);
// The same with a 32-bit bitmap's alpha (see DecodeDibWithAlpha).
QImage RecordBitmapWithAlpha(const ByteView& r, qsizetype offsetAt);
// The same for a one-bit bitmap kept as its bits (see DecodeMonochromeDib).
QImage RecordMonochromeBitmap(const ByteView& r, qsizetype offsetAt);
// AlphaBlend and TransparentBlt: StretchBlt's fields with, in place of its
// raster operation, the blend function or the transparent colour.
struct BlendedBlit {
    QRectF target, source;
    QImage image;  // null when there is none
    double opacity = 1;
};
BlendedBlit ReadAlphaBlend(const ByteView& r);
BlendedBlit ReadTransparentBlt(const ByteView& r);

// ExtCreatePen's pen, with its user style's dashes.
gdi::Pen ReadExtCreatePen(const ByteView& r);

// A LOGFONTW at `at`.
gdi::Font LogFont(const ByteView& r, qsizetype at);

// Arc, Chord, Pie and ArcTo.
struct ArcFields {
    QRectF box;
    QPointF start, end;
};
ArcFields ReadArc(const ByteView& r);

void PlayTextOut(GdiPlayer& player, const ByteView& r, bool wide);
void PlaySmallTextOut(GdiPlayer& player, const ByteView& r);
void PlayGradientFill(GdiPlayer& player, const ByteView& r);

}  // namespace emf
