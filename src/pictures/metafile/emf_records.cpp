// SPDX-License-Identifier: GPL-3.0-or-later
// Enhanced metafile records played onto the GDI player.

#include <cmath>

#include <QTransform>

#include "pictures/metafile/emf_readers.h"
#include "pictures/metafile/gdi_player.h"
#include "pictures/metafile/metafile_records.h"
#include "pictures/metafile/record_numbers.h"
#include "pictures/metafile/record_reading.h"

using namespace gdi;
using namespace emf;
using namespace emf_record;

// clang-format off: the drawing records, several to a line
bool EmfRecordDraws(uint32_t type) {
    switch (type) {
        case PolyBezier: case Polygon: case Polyline: case PolyBezierTo: case PolylineTo:
        case PolyPolyline: case PolyPolygon: case SetPixelV: case AngleArc: case Ellipse:
        case Rectangle: case RoundRect: case Arc: case Chord: case Pie: case LineTo: case ArcTo:
        case PolyDraw: case FillPath: case StrokeAndFillPath: case StrokePath: case FillRgn:
        case FrameRgn: case PaintRgn: case BitBlt: case StretchBlt: case SetDiBitsToDevice:
        case StretchDiBits: case ExtTextOutA: case ExtTextOutW: case PolyBezier16: case Polygon16:
        case Polyline16: case PolyBezierTo16: case PolylineTo16: case PolyPolyline16:
        case PolyPolygon16: case PolyDraw16: case SmallTextOut: case AlphaBlend:
        case TransparentBlt: case GradientFill:
            return true;
        default:
            return false;
    }
}
// clang-format on

namespace {

// Polylines, polygons and curves through many points.
bool playLines(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    switch (record.type) {
        case PolyBezier:
            player.beziers(PolyPoints(r, true), false);
            break;
        case PolyBezier16:
            player.beziers(PolyPoints(r, false), false);
            break;
        case PolyBezierTo:
            player.beziers(PolyPoints(r, true), true);
            break;
        case PolyBezierTo16:
            player.beziers(PolyPoints(r, false), true);
            break;
        case Polygon:
            player.polygons({PolyPoints(r, true)});
            break;
        case Polygon16:
            player.polygons({PolyPoints(r, false)});
            break;
        case Polyline:
            player.polyline(PolyPoints(r, true));
            break;
        case Polyline16:
            player.polyline(PolyPoints(r, false));
            break;
        case PolylineTo:
            player.polylineTo(PolyPoints(r, true));
            break;
        case PolylineTo16:
            player.polylineTo(PolyPoints(r, false));
            break;
        case PolyDraw:
            player.polyDraw(ReadPolyDraw(r, true));
            break;
        case PolyDraw16:
            player.polyDraw(ReadPolyDraw(r, false));
            break;
        case PolyPolygon:
            player.polygons(PolyPolygons(r, true));
            break;
        case PolyPolygon16:
            player.polygons(PolyPolygons(r, false));
            break;
        case PolyPolyline:
        case PolyPolyline16:
            for (const QPolygonF& line : PolyPolygons(r, record.type == PolyPolyline))
                player.polyline(line);
            break;
        default:
            return false;
    }
    return true;
}

// Points, lines to, rectangles, ellipses and arcs.
bool playShapes(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    switch (record.type) {
        case SetPixelV:
            player.setPixel(Point32(r, 8), ColourRef(r, 16));
            break;
        case MoveToEx:
            player.moveTo(Point32(r, 8));
            break;
        case Ellipse:
            player.ellipse(Corners32(r, 8));
            break;
        case Rectangle:
            player.rectangle(Corners32(r, 8));
            break;
        case RoundRect:
            player.roundRectangle(Corners32(r, 8), QSizeF(r.i32(24), r.i32(28)));
            break;
        case Arc: {
            const ArcFields a = ReadArc(r);
            player.arc(GdiPlayer::ArcKind::Arc, a.box, a.start, a.end);
            break;
        }
        case Chord: {
            const ArcFields a = ReadArc(r);
            player.arc(GdiPlayer::ArcKind::Chord, a.box, a.start, a.end);
            break;
        }
        case Pie: {
            const ArcFields a = ReadArc(r);
            player.arc(GdiPlayer::ArcKind::Pie, a.box, a.start, a.end);
            break;
        }
        case ArcTo: {
            const ArcFields a = ReadArc(r);
            player.arc(GdiPlayer::ArcKind::ArcTo, a.box, a.start, a.end);
            break;
        }
        case AngleArc: {
            const QPointF centre = Point32(r, 8);
            const double radius = r.u32(16), start = r.f32(20), sweep = r.f32(24);
            if (!std::isfinite(start) || !std::isfinite(sweep)) throw SkipRecord();
            const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
            const double a = start * M_PI / 180, b = (start + sweep) * M_PI / 180;
            const QPointF from = centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
            const QPointF to = centre + QPointF(radius * std::cos(b), -radius * std::sin(b));
            player.arc(GdiPlayer::ArcKind::ArcTo, box, from, to);
            break;
        }
        case LineTo:
            player.lineTo(Point32(r, 8));
            break;
        default:
            return false;
    }
    return true;
}

// How logical units map to the page: window, viewport, world transform, and the saved states.
bool playMapping(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case SetWindowExtEx:
            s.windowExtent = QSizeF(r.i32(8), r.i32(12));
            break;
        case SetWindowOrgEx:
            s.windowOrigin = Point32(r, 8);
            break;
        case SetViewportExtEx:
            s.viewportExtent = QSizeF(r.i32(8), r.i32(12));
            break;
        case SetViewportOrgEx:
            s.viewportOrigin = Point32(r, 8);
            break;
        case ScaleViewportExtEx:
        case ScaleWindowExtEx: {
            const double xd = r.i32(12), yd = r.i32(20);
            if (xd == 0 || yd == 0) return true;
            QSizeF& extent = record.type == ScaleWindowExtEx ? s.windowExtent : s.viewportExtent;
            extent = QSizeF(extent.width() * r.i32(8) / xd, extent.height() * r.i32(16) / yd);
            break;
        }
        case SetMapMode:
            s.mapMode = int(r.u32(8));
            break;
        case SaveDc:
            player.saveState();
            break;
        case RestoreDc:
            player.restoreState(r.i32(8));
            break;
        case SetWorldTransform:
            s.world = Xform(r, 8);
            break;
        case ModifyWorldTransform: {
            const QTransform x = Xform(r, 8);
            switch (r.u32(32)) {
                case 1:
                    s.world = QTransform();
                    break;
                case 2:
                    s.world = x * s.world;
                    break;
                case 3:
                    s.world = s.world * x;
                    break;
                case 4:
                    s.world = x;
                    break;
                default:
                    break;
            }
            break;
        }
        default:
            return false;
    }
    return true;
}

// The drawing modes and colours later records draw with.
bool playModes(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case SetBkMode:
            s.backgroundMode = int(r.u32(8));
            break;
        case SetPolyFillMode:
            s.polyFillMode = int(r.u32(8));
            break;
        case SetStretchBltMode:
            s.stretchMode = int(r.u32(8));
            break;
        case SetRop2:
            s.rop2 = int(r.u32(8));
            break;
        case SetArcDirection:
            s.arcsClockwise = r.u32(8) == 2;
            break;
        case SetMiterLimit: {
            // An integer by the format; some writers store the float the
            // drawing call took.
            const uint32_t stored = r.u32(8);
            constexpr uint32_t LargestIntegerLimit = 0xFFFF;
            const double limit = stored > LargestIntegerLimit ? r.f32(8) : stored;
            if (std::isfinite(limit) && limit >= 1) s.miterLimit = limit;
            break;
        }
        case SetTextAlign:
            s.textAlign = int(r.u32(8));
            break;
        case SetTextColor:
            s.textColour = ColourRef(r, 8);
            break;
        case SetBkColor:
            s.backgroundColour = ColourRef(r, 8);
            break;
        default:
            return false;
    }
    return true;
}

// Pens, brushes and fonts: made, selected, deleted.
bool playObjects(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    switch (record.type) {
        case SelectObject:
            player.selectObject(r.u32(8));
            break;
        case DeleteObject:
            player.deleteObject(r.u32(8));
            break;
        case CreatePen:
            player.setObject(r.u32(8), Pen{int(r.u32(12)), double(r.i32(16)), ColourRef(r, 24)});
            break;
        case ExtCreatePen:
            player.setObject(r.u32(8), ReadExtCreatePen(r));
            break;
        case CreateBrushIndirect:
            player.setObject(r.u32(8), Brush{int(r.u32(12)), ColourRef(r, 16), int(r.u32(20))});
            break;
        case CreateMonoBrush:
            if (QImage bits = RecordMonochromeBitmap(r, 16); !bits.isNull()) {
                player.setObject(r.u32(8), MonochromeBrush(std::move(bits)));
                break;
            }
            [[fallthrough]];
        case CreateDibPatternBrushPt:
            player.setObject(r.u32(8), Brush{BrushDibPatternPt, Qt::black, 0, RecordBitmap(r, 16)});
            break;
        case ExtCreateFontIndirectW:
            player.setObject(r.u32(8), LogFont(r, 12));
            break;
        default:
            return false;
    }
    return true;
}

// Paths, clipping and regions.
bool playPathsAndClipping(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case OffsetClipRgn:
            player.offsetClip(Point32(r, 8));
            break;
        case ExcludeClipRect:
            player.excludeClip(Corners32(r, 8));
            break;
        case IntersectClipRect:
            player.intersectClip(Corners32(r, 8));
            break;
        case BeginPath:
            player.beginPath();
            break;
        case EndPath:
            player.endPath();
            break;
        case CloseFigure:
            player.closeFigure();
            break;
        case FillPath:
            player.fillPath();
            break;
        case StrokePath:
            player.strokePath();
            break;
        case StrokeAndFillPath:
            player.strokeAndFillPath();
            break;
        case AbortPath:
            player.abortPath();
            break;
        case WidenPath:
            player.widenPath();
            break;
        case SelectClipPath:
            player.selectClipPath(int(r.u32(8)));
            break;
        case ExtSelectClipRgn: {
            const qint64 length = r.u32(8);
            const int mode = int(r.u32(12));
            if (length == 0) {
                player.selectClipRegion({}, mode);
                break;
            }
            player.selectClipRegion(RegionRectangles(r, 16, length), mode);
            break;
        }
        case FillRgn:
        case PaintRgn: {
            const qint64 length = r.u32(24);
            const bool paint = record.type == PaintRgn;
            Brush brush = s.brush;
            if (!paint) {
                const State saved = s;
                player.selectObject(r.u32(28));
                brush = s.brush;
                s = saved;
            }
            player.fillRegion(RegionRectangles(r, paint ? 28 : 32, length), brush, false);
            break;
        }
        case FrameRgn: {
            const State saved = s;
            player.selectObject(r.u32(28));
            const Brush brush = s.brush;
            s = saved;
            player.frameRegion(RegionRectangles(r, 40, r.u32(24)), brush,
                               QSizeF(r.i32(32), r.i32(36)));
            break;
        }
        default:
            return false;
    }
    return true;
}

// Bitmaps, gradients and text.
bool playPicturesAndText(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    switch (record.type) {
        case SmallTextOut:
            PlaySmallTextOut(player, r);
            break;
        case GradientFill:
            PlayGradientFill(player, r);
            break;
        case BitBlt:
        case StretchBlt: {
            const QRectF target(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            const uint32_t rop = r.u32(40);
            const QImage image = r.has(84, 16) ? RecordBitmap(r, 84) : QImage();
            QRectF source(r.i32(44), r.i32(48), target.width(), target.height());
            if (record.type == StretchBlt && r.has(100, 8))
                source.setSize(QSizeF(r.i32(100), r.i32(104)));
            player.bitmap(target, image, image.isNull() ? QRectF() : source, rop);
            break;
        }
        case StretchDiBits: {
            const QImage image = RecordBitmap(r, 48);
            if (image.isNull()) return true;
            const QRectF target(r.i32(24), r.i32(28), r.i32(72), r.i32(76));
            const QSizeF size(r.i32(40), r.i32(44));
            player.bitmap(target, image, SourceFromBottom(image, Point32(r, 32), size), r.u32(68));
            break;
        }
        case AlphaBlend:
        case TransparentBlt: {
            const BlendedBlit blit =
                record.type == AlphaBlend ? ReadAlphaBlend(r) : ReadTransparentBlt(r);
            if (blit.image.isNull()) return true;
            player.bitmap(blit.target, blit.image, blit.source, RopSourceCopy, blit.opacity);
            break;
        }
        case SetDiBitsToDevice: {
            const QImage image = RecordBitmap(r, 48);
            if (image.isNull()) return true;
            const QSizeF size(r.i32(40), r.i32(44));
            player.bitmap(QRectF(Point32(r, 24), size), image,
                          SourceFromBottom(image, Point32(r, 32), size), RopSourceCopy);
            break;
        }
        case ExtTextOutA:
            PlayTextOut(player, r, false);
            break;
        case ExtTextOutW:
            PlayTextOut(player, r, true);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace

void PlayEmfRecord(GdiPlayer& player, const MetafileRecord& record) {
    // Each family plays its own records; a record of none is not drawn:
    // palettes, comments (EMF+ too), colour management, ...
    for (const auto play : {playLines, playShapes, playMapping, playModes, playObjects,
                            playPathsAndClipping, playPicturesAndText})
        if (play(player, record)) return;
}
