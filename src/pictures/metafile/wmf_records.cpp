// SPDX-License-Identifier: GPL-3.0-or-later
// Windows metafile records played onto the GDI player. A WMF record's
// parameters mostly stand in reverse order: y before x, bottom before top.

#include "pictures/metafile/gdi_player.h"
#include "pictures/metafile/metafile_records.h"
#include "pictures/metafile/record_numbers.h"
#include "pictures/metafile/record_reading.h"
#include "pictures/metafile/text_encoding.h"
#include "pictures/metafile/wmf_readers.h"

using namespace gdi;
using namespace wmf;
using namespace wmf_record;

namespace {


void playBlit(GdiPlayer& player, Blit blit) {
    // The old one-bit bitmap lands in the text colour (0 bits) and the
    // background colour (1 bits).
    if (blit.image.format() == QImage::Format_Mono)
        blit.image.setColorTable(
            {player.state().textColour.rgb(), player.state().backgroundColour.rgb()});
    player.bitmap(blit.target, blit.image, blit.source, blit.rop);
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
            s.windowOrigin = PointYX(r, Params);
            return;
        case SetWindowExt: {
            const QPointF extent = PointYX(r, Params);
            s.windowExtent = QSizeF(extent.x(), extent.y());
            return;
        }
        case OffsetWindowOrg:
            s.windowOrigin += PointYX(r, Params);
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
                Brush{BrushDibPatternPt, Qt::black, 0, PackedBitmap(r, Params + 4)});
        case CreatePatternBrush: {
            QImage bits = PatternBrushBitmap(r);
            return player.addObject(bits.isNull() ? Brush{BrushSolid, Qt::black}
                                                  : MonochromeBrush(std::move(bits)));
        }
        case CreateFontIndirect:
            return player.addObject(LogFont(r));
        case CreatePalette:
        case CreateRegion:
            return player.addObject(Placeholder{});
        case MoveTo:
            return player.moveTo(PointYX(r, Params));
        case LineTo:
            return player.lineTo(PointYX(r, Params));
        case Polyline:
            return player.polyline(Points(r, Params + 2, r.i16(Params), false));
        case Polygon:
            return player.polygons({Points(r, Params + 2, r.i16(Params), false)});
        case PolyPolygon:
            return player.polygons(PolyPolygonShapes(r));
        case Rectangle:
            return player.rectangle(RectBRTL(r, Params));
        case Ellipse:
            return player.ellipse(RectBRTL(r, Params));
        case RoundRect:
            return player.roundRectangle(RectBRTL(r, Params + 4),
                                         QSizeF(r.i16(Params + 2), r.i16(Params)));
        case Arc:
        case Pie:
        case Chord: {
            const auto kind = record.type == Arc   ? GdiPlayer::ArcKind::Arc
                              : record.type == Pie ? GdiPlayer::ArcKind::Pie
                                                   : GdiPlayer::ArcKind::Chord;
            return player.arc(kind, RectBRTL(r, Params + 8), PointYX(r, Params + 4),
                              PointYX(r, Params));
        }
        case SetPixel:
            return player.setPixel(PointYX(r, Params + 4), ColourRef(r, Params));
        case TextOut: {
            const qsizetype length = r.i16(Params);
            if (length < 0) return;
            const QString text = DecodeCodePageText(r.bytes(Params + 2, length), s.font.charSet);
            const qsizetype after = Params + 2 + length + (length & 1);
            return player.text(PointYX(r, after), text, {}, 0, QRectF());
        }
        case ExtTextOut:
            return PlayExtTextOut(player, r);
        case ExcludeClipRect:
            return player.excludeClip(RectBRTL(r, Params));
        case IntersectClipRect:
            return player.intersectClip(RectBRTL(r, Params));
        case OffsetClipRgn:
            return player.offsetClip(PointYX(r, Params));
        case SelectClipRegion:
            if (r.u16(Params) == 0) player.resetClip();
            return;
        case PatBlt: {
            const QRectF target(QPointF(r.i16(Params + 10), r.i16(Params + 8)),
                                QSizeF(r.i16(Params + 6), r.i16(Params + 4)));
            return player.bitmap(target, QImage(), QRectF(), r.u32(Params));
        }
        case BitBlt:
        case DibBitBlt:
            return playBlit(player, ReadBitBlt(record, record.type == DibBitBlt));
        case StretchBlt:
        case DibStretchBlt:
            return playBlit(player, ReadStretchBlt(record, record.type == DibStretchBlt));
        case StretchDib: {
            const Blit blit = ReadStretchDib(r);
            if (blit.image.isNull()) return;
            return player.bitmap(blit.target, blit.image, blit.source, blit.rop);
        }
        case SetDibToDev: {
            const Blit blit = ReadSetDibToDevice(r);
            if (blit.image.isNull()) return;
            return player.bitmap(blit.target, blit.image, blit.source, blit.rop);
        }
        default:
            return;  // not drawn: palettes, escapes, regions, ...
    }
}
