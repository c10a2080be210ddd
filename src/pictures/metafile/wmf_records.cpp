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

// The saved states, modes, colours and how logical units map to the page.
bool playState(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case SaveDc:
            player.saveState();
            break;
        case RestoreDc:
            player.restoreState(r.i16(Params));
            break;
        case SetBkMode:
            s.backgroundMode = r.u16(Params);
            break;
        case SetMapMode:
            s.mapMode = r.u16(Params);
            break;
        case SetPolyFillMode:
            s.polyFillMode = r.u16(Params);
            break;
        case SetStretchBltMode:
            s.stretchMode = r.u16(Params);
            break;
        case SetRop2:
            s.rop2 = r.u16(Params);
            break;
        case SetTextCharExtra:
            s.characterExtra = r.i16(Params);
            break;
        case SetTextAlign:
            s.textAlign = r.u16(Params);
            break;
        case SetBkColor:
            s.backgroundColour = ColourRef(r, Params);
            break;
        case SetTextColor:
            s.textColour = ColourRef(r, Params);
            break;
        case SetWindowOrg:
            s.windowOrigin = PointYX(r, Params);
            break;
        case SetWindowExt: {
            const QPointF extent = PointYX(r, Params);
            s.windowExtent = QSizeF(extent.x(), extent.y());
            break;
        }
        case OffsetWindowOrg:
            s.windowOrigin += PointYX(r, Params);
            break;
        case ScaleWindowExt: {
            const double yd = r.i16(Params), yn = r.i16(Params + 2);
            const double xd = r.i16(Params + 4), xn = r.i16(Params + 6);
            if (xd == 0 || yd == 0) return true;
            s.windowExtent =
                QSizeF(s.windowExtent.width() * xn / xd, s.windowExtent.height() * yn / yd);
            break;
        }
        default:
            return false;
    }
    return true;
}

// Pens, brushes, fonts, palettes and regions: made, selected, deleted.
bool playObjects(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    switch (record.type) {
        case SelectObject:
            player.selectObject(r.u16(Params));
            break;
        case DeleteObject:
            player.deleteObject(r.u16(Params));
            break;
        case CreatePenIndirect:
            player.addObject(
                Pen{r.u16(Params), double(r.i16(Params + 2)), ColourRef(r, Params + 6)});
            break;
        case CreateBrushIndirect:
            player.addObject(Brush{r.u16(Params), ColourRef(r, Params + 2), r.u16(Params + 6)});
            break;
        case DibCreatePatternBrush:
            player.addObject(Brush{BrushDibPatternPt, Qt::black, 0, PackedBitmap(r, Params + 4)});
            break;
        case CreatePatternBrush: {
            QImage bits = PatternBrushBitmap(r);
            player.addObject(bits.isNull() ? Brush{BrushSolid, Qt::black}
                                           : MonochromeBrush(std::move(bits)));
            break;
        }
        case CreateFontIndirect:
            player.addObject(LogFont(r));
            break;
        case CreatePalette:
        case CreateRegion:
            player.addObject(Placeholder{});
            break;
        default:
            return false;
    }
    return true;
}

// Lines, shapes and text.
bool playShapes(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case MoveTo:
            player.moveTo(PointYX(r, Params));
            break;
        case LineTo:
            player.lineTo(PointYX(r, Params));
            break;
        case Polyline:
            player.polyline(Points(r, Params + 2, r.i16(Params), false));
            break;
        case Polygon:
            player.polygons({Points(r, Params + 2, r.i16(Params), false)});
            break;
        case PolyPolygon:
            player.polygons(PolyPolygonShapes(r));
            break;
        case Rectangle:
            player.rectangle(RectBRTL(r, Params));
            break;
        case Ellipse:
            player.ellipse(RectBRTL(r, Params));
            break;
        case RoundRect:
            player.roundRectangle(RectBRTL(r, Params + 4),
                                  QSizeF(r.i16(Params + 2), r.i16(Params)));
            break;
        case Arc:
        case Pie:
        case Chord: {
            const auto kind = record.type == Arc   ? GdiPlayer::ArcKind::Arc
                              : record.type == Pie ? GdiPlayer::ArcKind::Pie
                                                   : GdiPlayer::ArcKind::Chord;
            player.arc(kind, RectBRTL(r, Params + 8), PointYX(r, Params + 4), PointYX(r, Params));
            break;
        }
        case SetPixel:
            player.setPixel(PointYX(r, Params + 4), ColourRef(r, Params));
            break;
        case TextOut: {
            const qsizetype length = r.i16(Params);
            if (length < 0) return true;
            const QString text = DecodeCodePageText(r.bytes(Params + 2, length), s.font.charSet);
            const qsizetype after = Params + 2 + length + (length & 1);
            player.text(PointYX(r, after), text, {}, 0, QRectF());
            break;
        }
        case ExtTextOut:
            PlayExtTextOut(player, r);
            break;
        default:
            return false;
    }
    return true;
}

// Clipping, and bitmaps and patterns laid on the page.
bool playClippingAndBitmaps(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    switch (record.type) {
        case ExcludeClipRect:
            player.excludeClip(RectBRTL(r, Params));
            break;
        case IntersectClipRect:
            player.intersectClip(RectBRTL(r, Params));
            break;
        case OffsetClipRgn:
            player.offsetClip(PointYX(r, Params));
            break;
        case SelectClipRegion:
            if (r.u16(Params) == 0) player.resetClip();
            break;
        case PatBlt: {
            const QRectF target(QPointF(r.i16(Params + 10), r.i16(Params + 8)),
                                QSizeF(r.i16(Params + 6), r.i16(Params + 4)));
            player.bitmap(target, QImage(), QRectF(), r.u32(Params));
            break;
        }
        case BitBlt:
        case DibBitBlt:
            playBlit(player, ReadBitBlt(record, record.type == DibBitBlt));
            break;
        case StretchBlt:
        case DibStretchBlt:
            playBlit(player, ReadStretchBlt(record, record.type == DibStretchBlt));
            break;
        case StretchDib: {
            const Blit blit = ReadStretchDib(r);
            if (blit.image.isNull()) return true;
            player.bitmap(blit.target, blit.image, blit.source, blit.rop);
            break;
        }
        case SetDibToDev: {
            const Blit blit = ReadSetDibToDevice(r);
            if (blit.image.isNull()) return true;
            player.bitmap(blit.target, blit.image, blit.source, blit.rop);
            break;
        }
        default:
            return false;
    }
    return true;
}

}  // namespace

void PlayWmfRecord(GdiPlayer& player, const MetafileRecord& record) {
    // Each family plays its own records; a record of none is not drawn:
    // palettes, escapes, regions, ...
    for (const auto play : {playState, playObjects, playShapes, playClippingAndBitmaps})
        if (play(player, record)) return;
}
