// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small readers shared by the WMF and EMF records.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include "pictures/metafile/byte_view.h"

// Records that cannot be played are skipped; this ends one record.
struct SkipRecord {};

// COLORREF: 0x00BBGGRR.
inline QColor ColourRef(const ByteView& r, qsizetype at) {
    const uint32_t value = r.u32(at);
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

inline QPointF Point32(const ByteView& r, qsizetype at) {
    return QPointF(r.i32(at), r.i32(at + 4));
}
inline QPointF Point16(const ByteView& r, qsizetype at) {
    return QPointF(r.i16(at), r.i16(at + 2));
}

inline QRectF Corners32(const ByteView& r, qsizetype at) {
    return QRectF(Point32(r, at), Point32(r, at + 8));
}

// A DIB's source rectangle counts its rows from the bitmap's bottom; the
// same rectangle in the decoded, top-down image.
inline QRectF SourceFromBottom(const QImage& image, QPointF corner, QSizeF size) {
    return QRectF(corner.x(), image.height() - corner.y() - size.height(), size.width(),
                  size.height());
}

// `count` points from `at`, each two 32- or 16-bit coordinates; the count is
// checked against the record before anything is read.
inline QPolygonF Points(const ByteView& r, qsizetype at, qint64 count, bool wide) {
    const int size = wide ? 8 : 4;
    if (count < 0 || count > (r.size() - at) / size) throw SkipRecord();
    QPolygonF points;
    points.reserve(qsizetype(count));
    for (qint64 i = 0; i < count; ++i)
        points << (wide ? Point32(r, at + i * size) : Point16(r, at + i * size));
    return points;
}
