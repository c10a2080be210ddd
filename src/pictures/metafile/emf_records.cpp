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

namespace {


}  // namespace

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

void PlayEmfRecord(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case PolyBezier:
            return player.beziers(PolyPoints(r, true), false);
        case PolyBezier16:
            return player.beziers(PolyPoints(r, false), false);
        case PolyBezierTo:
            return player.beziers(PolyPoints(r, true), true);
        case PolyBezierTo16:
            return player.beziers(PolyPoints(r, false), true);
        case Polygon:
            return player.polygons({PolyPoints(r, true)});
        case Polygon16:
            return player.polygons({PolyPoints(r, false)});
        case Polyline:
            return player.polyline(PolyPoints(r, true));
        case Polyline16:
            return player.polyline(PolyPoints(r, false));
        case PolylineTo:
            return player.polylineTo(PolyPoints(r, true));
        case PolylineTo16:
            return player.polylineTo(PolyPoints(r, false));
        case PolyDraw:
            return player.polyDraw(ReadPolyDraw(r, true));
        case PolyDraw16:
            return player.polyDraw(ReadPolyDraw(r, false));
        case PolyPolygon:
            return player.polygons(PolyPolygons(r, true));
        case PolyPolygon16:
            return player.polygons(PolyPolygons(r, false));
        case PolyPolyline:
        case PolyPolyline16:
            for (const QPolygonF& line : PolyPolygons(r, record.type == PolyPolyline))
                player.polyline(line);
            return;
        case SetWindowExtEx:
            s.windowExtent = QSizeF(r.i32(8), r.i32(12));
            return;
        case SetWindowOrgEx:
            s.windowOrigin = Point32(r, 8);
            return;
        case SetViewportExtEx:
            s.viewportExtent = QSizeF(r.i32(8), r.i32(12));
            return;
        case SetViewportOrgEx:
            s.viewportOrigin = Point32(r, 8);
            return;
        case ScaleViewportExtEx:
        case ScaleWindowExtEx: {
            const double xd = r.i32(12), yd = r.i32(20);
            if (xd == 0 || yd == 0) return;
            QSizeF& extent = record.type == ScaleWindowExtEx ? s.windowExtent : s.viewportExtent;
            extent = QSizeF(extent.width() * r.i32(8) / xd, extent.height() * r.i32(16) / yd);
            return;
        }
        case SetPixelV:
            return player.setPixel(Point32(r, 8), ColourRef(r, 16));
        case SetMapMode:
            s.mapMode = int(r.u32(8));
            return;
        case SetBkMode:
            s.backgroundMode = int(r.u32(8));
            return;
        case SetPolyFillMode:
            s.polyFillMode = int(r.u32(8));
            return;
        case SetStretchBltMode:
            s.stretchMode = int(r.u32(8));
            return;
        case SetRop2:
            s.rop2 = int(r.u32(8));
            return;
        case SetArcDirection:
            s.arcsClockwise = r.u32(8) == 2;
            return;
        case SetMiterLimit: {
            // An integer by the format; some writers store the float the
            // drawing call took.
            const uint32_t stored = r.u32(8);
            constexpr uint32_t LargestIntegerLimit = 0xFFFF;
            const double limit = stored > LargestIntegerLimit ? r.f32(8) : stored;
            if (std::isfinite(limit) && limit >= 1) s.miterLimit = limit;
            return;
        }
        case SmallTextOut:
            return PlaySmallTextOut(player, r);
        case GradientFill:
            return PlayGradientFill(player, r);
        case SetTextAlign:
            s.textAlign = int(r.u32(8));
            return;
        case SetTextColor:
            s.textColour = ColourRef(r, 8);
            return;
        case SetBkColor:
            s.backgroundColour = ColourRef(r, 8);
            return;
        case OffsetClipRgn:
            return player.offsetClip(Point32(r, 8));
        case MoveToEx:
            return player.moveTo(Point32(r, 8));
        case ExcludeClipRect:
            return player.excludeClip(Corners32(r, 8));
        case IntersectClipRect:
            return player.intersectClip(Corners32(r, 8));
        case SaveDc:
            return player.saveState();
        case RestoreDc:
            return player.restoreState(r.i32(8));
        case SetWorldTransform:
            s.world = Xform(r, 8);
            return;
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
            return;
        }
        case SelectObject:
            return player.selectObject(r.u32(8));
        case DeleteObject:
            return player.deleteObject(r.u32(8));
        case CreatePen:
            return player.setObject(r.u32(8),
                                    Pen{int(r.u32(12)), double(r.i32(16)), ColourRef(r, 24)});
        case ExtCreatePen:
            return player.setObject(r.u32(8), ReadExtCreatePen(r));
        case CreateBrushIndirect:
            return player.setObject(r.u32(8),
                                    Brush{int(r.u32(12)), ColourRef(r, 16), int(r.u32(20))});
        case CreateMonoBrush:
            if (QImage bits = RecordMonochromeBitmap(r, 16); !bits.isNull())
                return player.setObject(r.u32(8), MonochromeBrush(std::move(bits)));
            [[fallthrough]];
        case CreateDibPatternBrushPt:
            return player.setObject(r.u32(8),
                                    Brush{BrushDibPatternPt, Qt::black, 0, RecordBitmap(r, 16)});
        case ExtCreateFontIndirectW:
            return player.setObject(r.u32(8), LogFont(r, 12));
        case Ellipse:
            return player.ellipse(Corners32(r, 8));
        case Rectangle:
            return player.rectangle(Corners32(r, 8));
        case RoundRect:
            return player.roundRectangle(Corners32(r, 8), QSizeF(r.i32(24), r.i32(28)));
        case Arc: {
            const ArcFields a = ReadArc(r);
            return player.arc(GdiPlayer::ArcKind::Arc, a.box, a.start, a.end);
        }
        case Chord: {
            const ArcFields a = ReadArc(r);
            return player.arc(GdiPlayer::ArcKind::Chord, a.box, a.start, a.end);
        }
        case Pie: {
            const ArcFields a = ReadArc(r);
            return player.arc(GdiPlayer::ArcKind::Pie, a.box, a.start, a.end);
        }
        case ArcTo: {
            const ArcFields a = ReadArc(r);
            return player.arc(GdiPlayer::ArcKind::ArcTo, a.box, a.start, a.end);
        }
        case AngleArc: {
            const QPointF centre = Point32(r, 8);
            const double radius = r.u32(16), start = r.f32(20), sweep = r.f32(24);
            if (!std::isfinite(start) || !std::isfinite(sweep)) throw SkipRecord();
            const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
            const double a = start * M_PI / 180, b = (start + sweep) * M_PI / 180;
            const QPointF from = centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
            const QPointF to = centre + QPointF(radius * std::cos(b), -radius * std::sin(b));
            return player.arc(GdiPlayer::ArcKind::ArcTo, box, from, to);
        }
        case LineTo:
            return player.lineTo(Point32(r, 8));
        case BeginPath:
            return player.beginPath();
        case EndPath:
            return player.endPath();
        case CloseFigure:
            return player.closeFigure();
        case FillPath:
            return player.fillPath();
        case StrokePath:
            return player.strokePath();
        case StrokeAndFillPath:
            return player.strokeAndFillPath();
        case AbortPath:
            return player.abortPath();
        case WidenPath:
            return player.widenPath();
        case SelectClipPath:
            return player.selectClipPath(int(r.u32(8)));
        case ExtSelectClipRgn: {
            const qint64 length = r.u32(8);
            const int mode = int(r.u32(12));
            if (length == 0) return player.selectClipRegion({}, mode);
            return player.selectClipRegion(RegionRectangles(r, 16, length), mode);
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
            return player.fillRegion(RegionRectangles(r, paint ? 28 : 32, length), brush, false);
        }
        case FrameRgn: {
            const State saved = s;
            player.selectObject(r.u32(28));
            const Brush brush = s.brush;
            s = saved;
            return player.frameRegion(RegionRectangles(r, 40, r.u32(24)), brush,
                                      QSizeF(r.i32(32), r.i32(36)));
        }
        case BitBlt:
        case StretchBlt: {
            const QRectF target(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            const uint32_t rop = r.u32(40);
            const QImage image = r.has(84, 16) ? RecordBitmap(r, 84) : QImage();
            QRectF source(r.i32(44), r.i32(48), target.width(), target.height());
            if (record.type == StretchBlt && r.has(100, 8))
                source.setSize(QSizeF(r.i32(100), r.i32(104)));
            return player.bitmap(target, image, image.isNull() ? QRectF() : source, rop);
        }
        case StretchDiBits: {
            const QImage image = RecordBitmap(r, 48);
            if (image.isNull()) return;
            const QRectF target(r.i32(24), r.i32(28), r.i32(72), r.i32(76));
            const QSizeF size(r.i32(40), r.i32(44));
            return player.bitmap(target, image, SourceFromBottom(image, Point32(r, 32), size),
                                 r.u32(68));
        }
        case AlphaBlend:
        case TransparentBlt: {
            const BlendedBlit blit =
                record.type == AlphaBlend ? ReadAlphaBlend(r) : ReadTransparentBlt(r);
            if (blit.image.isNull()) return;
            return player.bitmap(blit.target, blit.image, blit.source, RopSourceCopy, blit.opacity);
        }
        case SetDiBitsToDevice: {
            const QImage image = RecordBitmap(r, 48);
            if (image.isNull()) return;
            const QSizeF size(r.i32(40), r.i32(44));
            return player.bitmap(QRectF(Point32(r, 24), size), image,
                                 SourceFromBottom(image, Point32(r, 32), size), RopSourceCopy);
        }
        case ExtTextOutA:
            return PlayTextOut(player, r, false);
        case ExtTextOutW:
            return PlayTextOut(player, r, true);
        default:
            return;  // not drawn: palettes, comments (EMF+ too), colour management, ...
    }
}
