// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readers of the Windows metafile records' fields, one per record family.
// A record's parameters mostly stand in reverse order: y before x, bottom
// before top.

#include <vector>

#include <QImage>
#include <QPolygonF>
#include <QRectF>

#include "pictures/metafile/byte_view.h"
#include "pictures/metafile/gdi_objects.h"
#include "pictures/metafile/gdi_player.h"
#include "pictures/metafile/metafile_format.h"
#include "pictures/metafile/record_reading.h"

namespace wmf {

inline constexpr qsizetype Params = 6;  // where a record's parameters start

inline QPointF PointYX(const ByteView& r, qsizetype at) {
    return QPointF(r.i16(at + 2), r.i16(at));
}

// bottom, right, top, left
inline QRectF RectBRTL(const ByteView& r, qsizetype at) {
    return QRectF(QPointF(r.i16(at + 6), r.i16(at + 4)), QPointF(r.i16(at + 2), r.i16(at)));
}

// A LOGFONT record.
gdi::Font LogFont(const ByteView& r);
// PolyPolygon's shapes.
std::vector<QPolygonF> PolyPolygonShapes(const ByteView& r);
// A device-independent bitmap whose header, colours and bits follow each
// other from `at` to the record's end; null when there is none.
QImage PackedBitmap(const ByteView& r, qsizetype at);
// CreatePatternBrush's one-bit bitmap as its bits (Format_Mono, 0 and 1);
// null when it is of another depth or cannot be read.
QImage PatternBrushBitmap(const ByteView& r);

// What a blit record draws: a null image paints with the brush or as the
// raster operation says.
struct Blit {
    uint32_t rop = 0;
    QRectF target, source;
    QImage image;
};
// BitBlt and StretchBlt with the old bitmap, or their DIB kinds.
Blit ReadBitBlt(const MetafileRecord& record, bool independent);
Blit ReadStretchBlt(const MetafileRecord& record, bool independent);
Blit ReadStretchDib(const ByteView& r);
Blit ReadSetDibToDevice(const ByteView& r);

void PlayExtTextOut(GdiPlayer& player, const ByteView& r);

}  // namespace wmf
