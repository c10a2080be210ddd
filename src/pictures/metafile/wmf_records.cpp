// Windows metafile records played onto the GDI player. A WMF record's
// parameters mostly stand in reverse order: y before x, bottom before top.

#include <cstring>

#include "pictures/metafile/dib.h"
#include "pictures/metafile/gdi_player.h"
#include "pictures/metafile/metafile_records.h"
#include "pictures/metafile/record_reading.h"

using namespace gdi;

namespace {

enum WmfRecord : uint32_t {
    SaveDc = 0x001E,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    SetTextCharExtra = 0x0108,
    RestoreDc = 0x0127,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    OffsetWindowOrg = 0x020F,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    OffsetClipRgn = 0x0220,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    BitBlt = 0x0922,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    StretchBlt = 0x0B23,
    DibStretchBlt = 0x0B41,
    SetDibToDev = 0x0D33,
    StretchDib = 0x0F43,
};

constexpr qsizetype Params = 6;  // where a record's parameters start

QPointF pointYX(const ByteView& r, qsizetype at) {
    return QPointF(r.i16(at + 2), r.i16(at));
}

// bottom, right, top, left
QRectF rectBRTL(const ByteView& r, qsizetype at) {
    return QRectF(QPointF(r.i16(at + 6), r.i16(at + 4)), QPointF(r.i16(at + 2), r.i16(at)));
}

// A blit record carries no bitmap when it is three words longer than its
// function's parameter count says.
bool hasBitmap(const MetafileRecord& record) {
    return record.bytes.size() / 2 != qsizetype((record.type >> 8) + 3);
}

QString bytesText(const ByteView& r, qsizetype at, qsizetype length) {
    return QString::fromLatin1(r.bytes(at, length));
}

void extTextOut(GdiPlayer& player, const ByteView& r) {
    const QPointF at = pointYX(r, Params);
    const qsizetype count = r.i16(Params + 4);
    const uint32_t options = r.u16(Params + 6);
    qsizetype next = Params + 8;
    QRectF box;
    if (options & (TextOpaque | TextClipped)) {
        box = QRectF(QPointF(r.i16(next), r.i16(next + 2)),
                     QPointF(r.i16(next + 4), r.i16(next + 6)));
        next += 8;
    }
    if (count < 0) throw SkipRecord();
    const QString text = bytesText(r, next, count);
    next += count + (count & 1);
    std::vector<double> advances;
    if (r.has(next, count * 2))
        for (qsizetype i = 0; i < count; ++i) advances.push_back(r.i16(next + i * 2));
    player.text(at, text, advances, options, box);
}

Font logFont(const ByteView& r) {
    Font font;
    font.height = r.i16(Params);
    font.escapement = r.i16(Params + 4);
    font.weight = r.i16(Params + 8);
    font.italic = r.u8(Params + 10);
    font.underline = r.u8(Params + 11);
    font.strikeOut = r.u8(Params + 12);
    QString face;
    for (qsizetype i = Params + 18; i < Params + 18 + 32 && r.has(i, 1); ++i) {
        const char c = char(r.u8(i));
        if (c == 0) break;
        face += QLatin1Char(c);
    }
    if (!face.isEmpty()) font.face = face;
    return font;
}

std::vector<QPolygonF> polyPolygon(const ByteView& r) {
    const qint64 groups = r.u16(Params);
    if (groups > (r.size() - Params - 2) / 2) throw SkipRecord();
    std::vector<QPolygonF> shapes;
    qsizetype at = Params + 2 + qsizetype(groups) * 2;
    for (qint64 g = 0; g < groups; ++g) {
        const qint64 count = r.u16(Params + 2 + g * 2);
        shapes.push_back(Points(r, at, count, false));
        at += qsizetype(count) * 4;
    }
    return shapes;
}

// The old device-dependent bitmap of the first metafiles: a header of
// type, width, height, bytes per row, planes and bits per pixel, then rows
// top-down. Only the one-bit kind is device-independent enough to show.
QImage bitmap16(const ByteView& r, qsizetype at) {
    const int width = r.i16(at + 2), height = r.i16(at + 4), rowBytes = r.i16(at + 6);
    const int planes = r.u8(at + 8), bits = r.u8(at + 9);
    if (planes != 1 || bits != 1 || width <= 0 || height <= 0 || rowBytes < (width + 7) / 8)
        return QImage();
    const qsizetype data = at + 10;
    if (!r.has(data, qsizetype(rowBytes) * height)) return QImage();
    QImage image(width, height, QImage::Format_Mono);
    if (image.isNull()) return QImage();
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), r.data() + data + qsizetype(y) * rowBytes,
                    size_t((width + 7) / 8));
    return image;
}

QImage packedBitmap(const ByteView& r, qsizetype at) {
    if (!r.has(at, 4)) return QImage();
    return DecodePackedDib(r.sub(at, r.size() - at));
}

}  // namespace

void PlayWmfRecord(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case SaveDc:
            return player.saveState();
        case RestoreDc:
            return player.restoreState(r.i16(Params));
        case SetBkMode:
            s.backgroundMode = r.u16(Params);
            return;
        case SetMapMode:
            s.mapMode = r.u16(Params);
            return;
        case SetPolyFillMode:
            s.polyFillMode = r.u16(Params);
            return;
        case SetStretchBltMode:
            s.stretchMode = r.u16(Params);
            return;
        case SetRop2:
            s.rop2 = r.u16(Params);
            return;
        case SetTextCharExtra:
            s.characterExtra = r.i16(Params);
            return;
        case SetTextAlign:
            s.textAlign = r.u16(Params);
            return;
        case SetBkColor:
            s.backgroundColour = ColourRef(r, Params);
            return;
        case SetTextColor:
            s.textColour = ColourRef(r, Params);
            return;
        case SetWindowOrg:
            s.windowOrigin = pointYX(r, Params);
            return;
        case SetWindowExt: {
            const QPointF extent = pointYX(r, Params);
            s.windowExtent = QSizeF(extent.x(), extent.y());
            return;
        }
        case OffsetWindowOrg:
            s.windowOrigin += pointYX(r, Params);
            return;
        case ScaleWindowExt: {
            const double yd = r.i16(Params), yn = r.i16(Params + 2);
            const double xd = r.i16(Params + 4), xn = r.i16(Params + 6);
            if (xd == 0 || yd == 0) return;
            s.windowExtent =
                QSizeF(s.windowExtent.width() * xn / xd, s.windowExtent.height() * yn / yd);
            return;
        }
        case SelectObject:
            return player.selectObject(r.u16(Params));
        case DeleteObject:
            return player.deleteObject(r.u16(Params));
        case CreatePenIndirect:
            return player.addObject(
                Pen{r.u16(Params), double(r.i16(Params + 2)), ColourRef(r, Params + 6)});
        case CreateBrushIndirect:
            return player.addObject(
                Brush{r.u16(Params), ColourRef(r, Params + 2), r.u16(Params + 6)});
        case DibCreatePatternBrush:
            return player.addObject(
                Brush{BrushDibPatternPt, Qt::black, 0, packedBitmap(r, Params + 4)});
        case CreatePatternBrush:
            return player.addObject(Brush{BrushSolid, Qt::black});
        case CreateFontIndirect:
            return player.addObject(logFont(r));
        case CreatePalette:
        case CreateRegion:
            return player.addObject(Placeholder{});
        case MoveTo:
            return player.moveTo(pointYX(r, Params));
        case LineTo:
            return player.lineTo(pointYX(r, Params));
        case Polyline:
            return player.polyline(Points(r, Params + 2, r.i16(Params), false));
        case Polygon:
            return player.polygons({Points(r, Params + 2, r.i16(Params), false)});
        case PolyPolygon:
            return player.polygons(polyPolygon(r));
        case Rectangle:
            return player.rectangle(rectBRTL(r, Params));
        case Ellipse:
            return player.ellipse(rectBRTL(r, Params));
        case RoundRect:
            return player.roundRectangle(rectBRTL(r, Params + 4),
                                         QSizeF(r.i16(Params + 2), r.i16(Params)));
        case Arc:
        case Pie:
        case Chord: {
            const auto kind = record.type == Arc   ? GdiPlayer::ArcKind::Arc
                              : record.type == Pie ? GdiPlayer::ArcKind::Pie
                                                   : GdiPlayer::ArcKind::Chord;
            return player.arc(kind, rectBRTL(r, Params + 8), pointYX(r, Params + 4),
                              pointYX(r, Params));
        }
        case SetPixel:
            return player.setPixel(pointYX(r, Params + 4), ColourRef(r, Params));
        case TextOut: {
            const qsizetype length = r.i16(Params);
            if (length < 0) return;
            const QString text = bytesText(r, Params + 2, length);
            const qsizetype after = Params + 2 + length + (length & 1);
            return player.text(pointYX(r, after), text, {}, 0, QRectF());
        }
        case ExtTextOut:
            return extTextOut(player, r);
        case ExcludeClipRect:
            return player.excludeClip(rectBRTL(r, Params));
        case IntersectClipRect:
            return player.intersectClip(rectBRTL(r, Params));
        case OffsetClipRgn:
            return player.offsetClip(pointYX(r, Params));
        case SelectClipRegion:
            if (r.u16(Params) == 0) player.resetClip();
            return;
        case PatBlt: {
            const QRectF target(QPointF(r.i16(Params + 10), r.i16(Params + 8)),
                                QSizeF(r.i16(Params + 6), r.i16(Params + 4)));
            return player.bitmap(target, QImage(), QRectF(), r.u32(Params));
        }
        case BitBlt:
        case DibBitBlt: {
            const uint32_t rop = r.u32(Params);
            const qsizetype base = hasBitmap(record) ? Params + 4 : Params + 6;
            const QPointF source = pointYX(r, base);
            const QSizeF size(r.i16(base + 6), r.i16(base + 4));
            const QRectF target(pointYX(r, base + 8), size);
            const QImage image = !hasBitmap(record)         ? QImage()
                                 : record.type == DibBitBlt ? packedBitmap(r, base + 12)
                                                            : bitmap16(r, base + 12);
            return player.bitmap(target, image, QRectF(source, size), rop);
        }
        case StretchBlt:
        case DibStretchBlt: {
            const uint32_t rop = r.u32(Params);
            const QSizeF sourceSize(r.i16(Params + 6), r.i16(Params + 4));
            const QPointF source = pointYX(r, Params + 8);
            const qsizetype base = hasBitmap(record) ? Params + 12 : Params + 14;
            const QRectF target(pointYX(r, base + 4), QSizeF(r.i16(base + 2), r.i16(base)));
            const QImage image = !hasBitmap(record)             ? QImage()
                                 : record.type == DibStretchBlt ? packedBitmap(r, base + 8)
                                                                : bitmap16(r, base + 8);
            return player.bitmap(target, image, QRectF(source, sourceSize), rop);
        }
        case StretchDib: {
            const uint32_t rop = r.u32(Params);
            const QSizeF sourceSize(r.i16(Params + 8), r.i16(Params + 6));
            const QPointF source = pointYX(r, Params + 10);
            const QRectF target(pointYX(r, Params + 18),
                                QSizeF(r.i16(Params + 16), r.i16(Params + 14)));
            const QImage image = packedBitmap(r, Params + 22);
            if (image.isNull()) return;
            return player.bitmap(target, image, SourceFromBottom(image, source, sourceSize), rop);
        }
        case SetDibToDev: {
            const QSizeF size(r.i16(Params + 12), r.i16(Params + 10));
            const QPointF source = pointYX(r, Params + 6);
            const QImage image = packedBitmap(r, Params + 18);
            if (image.isNull()) return;
            return player.bitmap(QRectF(pointYX(r, Params + 14), size), image,
                                 SourceFromBottom(image, source, size), RopSourceCopy);
        }
        default:
            return;  // not drawn: palettes, escapes, regions, ...
    }
}
