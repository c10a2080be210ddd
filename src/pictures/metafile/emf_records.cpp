// Enhanced metafile records played onto the GDI player.

#include <cmath>

#include <QTransform>

#include "pictures/metafile/dib.h"
#include "pictures/metafile/gdi_player.h"
#include "pictures/metafile/metafile_records.h"
#include "pictures/metafile/record_reading.h"

using namespace gdi;

namespace {

enum EmfRecord : uint32_t {
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    PolylineTo = 6,
    PolyPolyline = 7,
    PolyPolygon = 8,
    SetWindowExtEx = 9,
    SetWindowOrgEx = 10,
    SetViewportExtEx = 11,
    SetViewportOrgEx = 12,
    SetPixelV = 15,
    SetMapMode = 17,
    SetBkMode = 18,
    SetPolyFillMode = 19,
    SetRop2 = 20,
    SetStretchBltMode = 21,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    OffsetClipRgn = 26,
    MoveToEx = 27,
    ExcludeClipRect = 29,
    IntersectClipRect = 30,
    ScaleViewportExtEx = 31,
    ScaleWindowExtEx = 32,
    SaveDc = 33,
    RestoreDc = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    AngleArc = 41,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    Chord = 46,
    Pie = 47,
    LineTo = 54,
    ArcTo = 55,
    SetArcDirection = 57,
    BeginPath = 59,
    EndPath = 60,
    CloseFigure = 61,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    SelectClipPath = 67,
    AbortPath = 68,
    FillRgn = 71,
    FrameRgn = 72,
    PaintRgn = 74,
    ExtSelectClipRgn = 75,
    BitBlt = 76,
    StretchBlt = 77,
    SetDiBitsToDevice = 80,
    StretchDiBits = 81,
    ExtCreateFontIndirectW = 82,
    ExtTextOutA = 83,
    ExtTextOutW = 84,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    PolylineTo16 = 89,
    PolyPolyline16 = 90,
    PolyPolygon16 = 91,
    CreateMonoBrush = 93,
    CreateDibPatternBrushPt = 94,
    ExtCreatePen = 95,
    SmallTextOut = 108,
    GradientFill = 118,
};

constexpr qsizetype RgnDataHeader = 32;

// A world transform; one that is not finite cannot be drawn with.
QTransform xform(const ByteView& r, qsizetype at) {
    float e[6];
    for (int i = 0; i < 6; ++i) {
        e[i] = r.f32(at + 4 * i);
        if (!std::isfinite(e[i])) throw SkipRecord();
    }
    return QTransform(e[0], e[1], e[2], e[3], e[4], e[5]);
}

// The rectangles of a RGNDATA structure.
std::vector<QRectF> regionRectangles(const ByteView& r, qsizetype at, qint64 length) {
    if (length < RgnDataHeader || !r.has(at, qsizetype(length))) throw SkipRecord();
    const qint64 count = r.u32(at + 8);
    if (count > (length - RgnDataHeader) / 16) throw SkipRecord();
    std::vector<QRectF> rectangles;
    for (qint64 i = 0; i < count; ++i)
        rectangles.push_back(Corners32(r, at + RgnDataHeader + i * 16));
    return rectangles;
}

// A bitmap given by offsets into the record; null when there is none.
QImage recordBitmap(const ByteView& r, qsizetype offsetAt) {
    const uint32_t offHeader = r.u32(offsetAt), headerSize = r.u32(offsetAt + 4);
    const uint32_t offBits = r.u32(offsetAt + 8), bitsSize = r.u32(offsetAt + 12);
    if (headerSize == 0 || !r.has(offHeader, headerSize) || !r.has(offBits, bitsSize))
        return QImage();
    return DecodeDib(r.sub(offHeader, headerSize), r.sub(offBits, bitsSize));
}

std::vector<QPolygonF> polyPolygons(const ByteView& r, bool wide) {
    const qint64 groups = r.u32(24), total = r.u32(28);
    if (groups > (r.size() - 32) / 4) throw SkipRecord();
    const qsizetype pointsAt = 32 + qsizetype(groups) * 4;
    const QPolygonF points = Points(r, pointsAt, total, wide);
    std::vector<QPolygonF> shapes;
    qsizetype next = 0;
    for (qint64 g = 0; g < groups; ++g) {
        const qint64 count = r.u32(32 + g * 4);
        if (count > points.size() - next) throw SkipRecord();
        shapes.push_back(points.mid(next, qsizetype(count)));
        next += qsizetype(count);
    }
    return shapes;
}

void textOut(GdiPlayer& player, const ByteView& r, bool wide) {
    const QPointF reference = Point32(r, 36);
    const qint64 count = r.u32(44);
    const uint32_t offString = r.u32(48), options = r.u32(52), offDx = r.u32(72);
    const QRectF box = Corners32(r, 56);
    if (count > (r.size() / (wide ? 2 : 1))) throw SkipRecord();
    const QByteArray raw = r.bytes(offString, qsizetype(count) * (wide ? 2 : 1));
    const QString text =
        wide ? QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()),
                                  qsizetype(count))
             : QString::fromLatin1(raw);
    std::vector<double> advances;
    if (offDx != 0 && r.has(offDx, qsizetype(count) * 4))
        for (qint64 i = 0; i < count; ++i) advances.push_back(r.i32(offDx + i * 4));
    player.text(reference, text, advances, options, box);
}

// Options of the small text record: no rectangle, 8-bit characters.
constexpr uint32_t NoRectangle = 0x100;
constexpr uint32_t SmallCharacters = 0x200;

void smallTextOut(GdiPlayer& player, const ByteView& r) {
    const QPointF reference = Point32(r, 8);
    const qint64 count = r.u32(16);
    const uint32_t options = r.u32(20);
    qsizetype at = 36;
    QRectF box;
    if (!(options & NoRectangle)) {
        box = Corners32(r, at);
        at += 16;
    }
    const bool narrow = options & SmallCharacters;
    if (count > r.size()) throw SkipRecord();
    const QByteArray raw = r.bytes(at, qsizetype(count) * (narrow ? 1 : 2));
    const QString text =
        narrow ? QString::fromLatin1(raw)
               : QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()),
                                    qsizetype(count));
    player.text(reference, text, {}, options & ~(NoRectangle | SmallCharacters), box);
}

// Vertices of 16 bytes: x, y and 16-bit red, green, blue, alpha.
void gradientFill(GdiPlayer& player, const ByteView& r) {
    constexpr int RectangleHorizontal = 0, RectangleVertical = 1, Triangle = 2;
    const qint64 vertices = r.u32(24), shapes = r.u32(28);
    const uint32_t mode = r.u32(32);
    if (vertices > (r.size() - 36) / 16) throw SkipRecord();
    std::vector<GdiPlayer::GradientVertex> corner;
    for (qint64 i = 0; i < vertices; ++i) {
        const qsizetype at = 36 + i * 16;
        corner.push_back(
            {Point32(r, at), QColor(r.u16(at + 8) >> 8, r.u16(at + 10) >> 8, r.u16(at + 12) >> 8)});
    }
    const qsizetype shapesAt = 36 + qsizetype(vertices) * 16;
    const int indexes = mode == Triangle ? 3 : 2;
    if (shapes > (r.size() - shapesAt) / (4 * indexes)) throw SkipRecord();
    for (qint64 s = 0; s < shapes; ++s) {
        uint32_t index[3] = {};
        for (int k = 0; k < indexes; ++k) {
            index[k] = r.u32(shapesAt + (s * indexes + k) * 4);
            if (index[k] >= corner.size()) throw SkipRecord();
        }
        if (mode == Triangle)
            player.gradientTriangle(corner[index[0]], corner[index[1]], corner[index[2]]);
        else if (mode == RectangleHorizontal || mode == RectangleVertical)
            player.gradientRectangle(corner[index[0]], corner[index[1]], mode == RectangleVertical);
    }
}

Font logFont(const ByteView& r, qsizetype at) {
    Font font;
    font.height = r.i32(at);
    font.escapement = r.i32(at + 8);
    font.weight = r.i32(at + 16);
    font.italic = r.u8(at + 20);
    font.underline = r.u8(at + 21);
    font.strikeOut = r.u8(at + 22);
    QString face;
    for (int i = 0; i < 32 && r.has(at + 28 + i * 2, 2); ++i) {
        const char16_t c = r.u16(at + 28 + i * 2);
        if (c == 0) break;
        face += QChar(c);
    }
    if (!face.isEmpty()) font.face = face;
    return font;
}

}  // namespace

void PlayEmfRecord(GdiPlayer& player, const MetafileRecord& record) {
    const ByteView& r = record.bytes;
    State& s = player.state();
    switch (record.type) {
        case PolyBezier:
            return player.beziers(Points(r, 28, r.u32(24), true), false);
        case PolyBezier16:
            return player.beziers(Points(r, 28, r.u32(24), false), false);
        case PolyBezierTo:
            return player.beziers(Points(r, 28, r.u32(24), true), true);
        case PolyBezierTo16:
            return player.beziers(Points(r, 28, r.u32(24), false), true);
        case Polygon:
            return player.polygons({Points(r, 28, r.u32(24), true)});
        case Polygon16:
            return player.polygons({Points(r, 28, r.u32(24), false)});
        case Polyline:
            return player.polyline(Points(r, 28, r.u32(24), true));
        case Polyline16:
            return player.polyline(Points(r, 28, r.u32(24), false));
        case PolylineTo:
            return player.polylineTo(Points(r, 28, r.u32(24), true));
        case PolylineTo16:
            return player.polylineTo(Points(r, 28, r.u32(24), false));
        case PolyPolygon:
            return player.polygons(polyPolygons(r, true));
        case PolyPolygon16:
            return player.polygons(polyPolygons(r, false));
        case PolyPolyline:
        case PolyPolyline16:
            for (const QPolygonF& line : polyPolygons(r, record.type == PolyPolyline))
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
        case SmallTextOut:
            return smallTextOut(player, r);
        case GradientFill:
            return gradientFill(player, r);
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
            s.world = xform(r, 8);
            return;
        case ModifyWorldTransform: {
            const QTransform x = xform(r, 8);
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
        case ExtCreatePen: {
            const int style = int(r.u32(28));
            const bool geometric = style & 0x00010000;
            return player.setObject(
                r.u32(8), Pen{style, geometric ? double(r.u32(32)) : 0.0, ColourRef(r, 40)});
        }
        case CreateBrushIndirect:
            return player.setObject(r.u32(8),
                                    Brush{int(r.u32(12)), ColourRef(r, 16), int(r.u32(20))});
        case CreateMonoBrush:
        case CreateDibPatternBrushPt:
            return player.setObject(r.u32(8),
                                    Brush{BrushDibPatternPt, Qt::black, 0, recordBitmap(r, 16)});
        case ExtCreateFontIndirectW:
            return player.setObject(r.u32(8), logFont(r, 12));
        case Ellipse:
            return player.ellipse(Corners32(r, 8));
        case Rectangle:
            return player.rectangle(Corners32(r, 8));
        case RoundRect:
            return player.roundRectangle(Corners32(r, 8), QSizeF(r.i32(24), r.i32(28)));
        case Arc:
            return player.arc(GdiPlayer::ArcKind::Arc, Corners32(r, 8), Point32(r, 24),
                              Point32(r, 32));
        case Chord:
            return player.arc(GdiPlayer::ArcKind::Chord, Corners32(r, 8), Point32(r, 24),
                              Point32(r, 32));
        case Pie:
            return player.arc(GdiPlayer::ArcKind::Pie, Corners32(r, 8), Point32(r, 24),
                              Point32(r, 32));
        case ArcTo:
            return player.arc(GdiPlayer::ArcKind::ArcTo, Corners32(r, 8), Point32(r, 24),
                              Point32(r, 32));
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
        case SelectClipPath:
            return player.selectClipPath(int(r.u32(8)));
        case ExtSelectClipRgn: {
            const qint64 length = r.u32(8);
            const int mode = int(r.u32(12));
            if (length == 0) return player.selectClipRegion({}, mode);
            return player.selectClipRegion(regionRectangles(r, 16, length), mode);
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
            return player.fillRegion(regionRectangles(r, paint ? 28 : 32, length), brush, false);
        }
        case FrameRgn: {
            const State saved = s;
            player.selectObject(r.u32(28));
            const Brush brush = s.brush;
            s = saved;
            return player.frameRegion(regionRectangles(r, 40, r.u32(24)), brush,
                                      QSizeF(r.i32(32), r.i32(36)));
        }
        case BitBlt:
        case StretchBlt: {
            const QRectF target(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
            const uint32_t rop = r.u32(40);
            const QImage image = r.has(84, 16) ? recordBitmap(r, 84) : QImage();
            QRectF source(r.i32(44), r.i32(48), target.width(), target.height());
            if (record.type == StretchBlt && r.has(100, 8))
                source.setSize(QSizeF(r.i32(100), r.i32(104)));
            return player.bitmap(target, image, image.isNull() ? QRectF() : source, rop);
        }
        case StretchDiBits: {
            const QImage image = recordBitmap(r, 48);
            if (image.isNull()) return;
            const QRectF target(r.i32(24), r.i32(28), r.i32(72), r.i32(76));
            const QSizeF size(r.i32(40), r.i32(44));
            return player.bitmap(target, image, SourceFromBottom(image, Point32(r, 32), size),
                                 r.u32(68));
        }
        case SetDiBitsToDevice: {
            const QImage image = recordBitmap(r, 48);
            if (image.isNull()) return;
            const QSizeF size(r.i32(40), r.i32(44));
            return player.bitmap(QRectF(Point32(r, 24), size), image,
                                 SourceFromBottom(image, Point32(r, 32), size), RopSourceCopy);
        }
        case ExtTextOutA:
            return textOut(player, r, false);
        case ExtTextOutW:
            return textOut(player, r, true);
        default:
            return;  // not drawn: palettes, comments (EMF+ too), colour management, ...
    }
}
