// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of the EMF+ objects, from their public description; no maintained
// library reads them onto Qt, so they are read here, each bounded by the
// bytes the object record holds.

#include "pictures/metafile/emfplus_objects.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "base/sleevix_error.h"
#include "pictures/decoders/gif_decoder.h"
#include "pictures/decoders/jpeg_decoder.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/decoders/qt_image_decoders.h"
#include "pictures/metafile/record_reading.h"

namespace emfplus {

namespace {

// Every object begins with the version of the graphics library that wrote it.
constexpr qsizetype VersionSize = 4;

// How deep a region's combinations may nest; each combination is a boolean
// operation on outlines, whose cost grows with the outlines.
constexpr int MaxRegionDepth = 32;
// A region that covers everything, in world units.
const QRectF Everywhere(-1e7, -1e7, 2e7, 2e7);

float finite(const ByteView& r, qsizetype at) {
    const float value = r.f32(at);
    if (!std::isfinite(value)) throw SkipRecord();
    return value;
}

// The coordinate of a relative point: seven bits signed in one byte, or
// fifteen bits signed in two (the first with its top bit set).
int relativeCoordinate(const ByteView& r, qsizetype& at) {
    const int first = r.u8(at);
    if (!(first & 0x80)) {
        at += 1;
        return first & 0x40 ? first - 0x80 : first;
    }
    const int value = (first & 0x7F) << 8 | r.u8(at + 1);
    at += 2;
    return value & 0x4000 ? value - 0x8000 : value;
}

QGradientStops blendStops(const ByteView& r, qsizetype& at, QColor from, QColor to) {
    const qint64 count = r.u32(at);
    if (count < 2 || count > (r.size() - at - 4) / 8) throw SkipRecord();
    QGradientStops stops;
    for (qint64 i = 0; i < count; ++i) {
        const double position = std::clamp<double>(finite(r, at + 4 + i * 4), 0, 1);
        const double factor = std::clamp<double>(finite(r, at + 4 + (count + i) * 4), 0, 1);
        const auto mix = [factor](int a, int b) { return int(std::lround(a + (b - a) * factor)); };
        stops.append({position, QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                                       mix(from.blue(), to.blue()),
                                       mix(from.alpha(), to.alpha()))});
    }
    at += 4 + count * 8;
    return stops;
}

QGradientStops presetStops(const ByteView& r, qsizetype& at) {
    const qint64 count = r.u32(at);
    if (count < 2 || count > (r.size() - at - 4) / 8) throw SkipRecord();
    QGradientStops stops;
    for (qint64 i = 0; i < count; ++i)
        stops.append({std::clamp<double>(finite(r, at + 4 + i * 4), 0, 1),
                      Argb(r, at + 4 + (count + i) * 4)});
    at += 4 + count * 8;
    return stops;
}

// Brush data flags.
constexpr uint32_t DataPath = 0x01, DataTransform = 0x02, DataPresetColours = 0x04,
                   DataBlendHorizontal = 0x08, DataBlendVertical = 0x10, DataFocusScales = 0x40;

Brush readLinearGradient(const ByteView& r, qsizetype at) {
    Brush brush;
    brush.kind = Brush::LinearGradient;
    const uint32_t flags = r.u32(at);
    brush.wrap = r.i32(at + 4);
    brush.rectangle = ReadRectF(r, at + 8);
    brush.colour = Argb(r, at + 24);
    brush.back = Argb(r, at + 28);
    at += 40;  // two reserved fields follow the colours
    if (flags & DataTransform) {
        brush.transform = ReadMatrix(r, at);
        at += 24;
    }
    if (flags & DataPresetColours)
        brush.stops = presetStops(r, at);
    else if (flags & (DataBlendHorizontal | DataBlendVertical))
        brush.stops = blendStops(r, at, brush.colour, brush.back);
    if (brush.stops.isEmpty()) brush.stops = {{0, brush.colour}, {1, brush.back}};
    return brush;
}

Brush readPathGradient(const ByteView& r, qsizetype at) {
    Brush brush;
    brush.kind = Brush::PathGradient;
    const uint32_t flags = r.u32(at);
    brush.wrap = r.i32(at + 4);
    brush.colour = Argb(r, at + 8);
    brush.centre = QPointF(finite(r, at + 12), finite(r, at + 16));
    const qint64 colours = r.u32(at + 20);
    if (colours > (r.size() - at - 24) / 4) throw SkipRecord();
    // The surrounding colours as one: the first, the edge colour most
    // writers give alone.
    brush.back = colours > 0 ? Argb(r, at + 24) : brush.colour;
    at += 24 + colours * 4;
    if (flags & DataPath) {
        const qint64 size = r.i32(at);
        if (size < 0 || !r.has(at + 4, qsizetype(size))) throw SkipRecord();
        brush.boundary = ReadPath(r.sub(at + 4, qsizetype(size)));
        at += 4 + size;
    } else {
        const qint64 count = r.i32(at);
        if (count < 0 || count > (r.size() - at - 4) / 8) throw SkipRecord();
        brush.boundary.addPolygon(ReadPoints(r, at + 4, count, false, false));
        brush.boundary.closeSubpath();
        at += 4 + count * 8;
    }
    if (flags & DataTransform) {
        brush.transform = ReadMatrix(r, at);
        at += 24;
    }
    // Positions run from the boundary (0) to the centre (1); a radial
    // gradient runs the other way.
    QGradientStops stops;
    if (flags & DataPresetColours)
        stops = presetStops(r, at);
    else if (flags & (DataBlendHorizontal | DataBlendVertical))
        stops = blendStops(r, at, brush.back, brush.colour);
    if (stops.isEmpty()) stops = {{0, brush.back}, {1, brush.colour}};
    for (auto it = stops.crbegin(); it != stops.crend(); ++it)
        brush.stops.append({1 - it->first, it->second});
    return brush;
}

QImage pixelBitmap(const ByteView& r, qsizetype at, int width, int height, int stride,
                   uint32_t format) {
    constexpr uint32_t Indexed = 0x00010000;
    QList<QRgb> palette;
    if (format & Indexed) {
        const qint64 count = r.u32(at + 4);
        if (count > 256 || !r.has(at + 8, qsizetype(count) * 4)) throw SkipRecord();
        for (qint64 i = 0; i < count; ++i) palette.append(Argb(r, at + 8 + i * 4).rgba());
        at += 8 + count * 4;
    }
    const int depth = int(format >> 8 & 0xFF);
    if (stride <= 0 || qint64(stride) * 8 < qint64(width) * depth ||
        !r.has(at, qsizetype(stride) * height))
        throw SkipRecord();
    const uchar* bits = reinterpret_cast<const uchar*>(r.data() + at);
    QImage::Format qtFormat = QImage::Format_Invalid;
    switch (format) {
        case 0x00021808: qtFormat = QImage::Format_BGR888; break;
        case 0x00022009: qtFormat = QImage::Format_RGB32; break;
        case 0x0026200A: qtFormat = QImage::Format_ARGB32; break;
        case 0x000E200B: qtFormat = QImage::Format_ARGB32_Premultiplied; break;
        case 0x00021005: qtFormat = QImage::Format_RGB555; break;
        case 0x00021006: qtFormat = QImage::Format_RGB16; break;
        case 0x00030101: qtFormat = QImage::Format_Mono; break;
        case 0x00030803: qtFormat = QImage::Format_Indexed8; break;
        default: break;
    }
    if (qtFormat == QImage::Format_Invalid) {
        if (format != 0x00030402) throw SkipRecord();  // four bits a pixel, read by hand
        QImage image = AllocatePicture(width, height, QImage::Format_Indexed8);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.scanLine(y)[x] = uchar(bits[qsizetype(y) * stride + x / 2] >> (x % 2 ? 0 : 4) & 0xF);
        palette.resize(16, qRgb(0, 0, 0));
        image.setColorTable(palette);
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    QImage image = QImage(bits, width, height, stride, qtFormat).copy();
    if (image.isNull()) throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono) {
        palette.resize(image.format() == QImage::Format_Mono ? 2 : 256, qRgb(0, 0, 0));
        image.setColorTable(palette);
        image = image.convertToFormat(QImage::Format_ARGB32);
    }
    return image;
}

// A compressed bitmap is a whole image file: read by the decoder its
// signature names.
QImage compressedBitmap(const QByteArray& file) {
    if (file.startsWith("\x89PNG")) return DecodePng(file);
    if (file.startsWith("\xFF\xD8")) return DecodeJpeg(file);
    if (file.startsWith("GIF8")) return DecodeGif(file);
    if (file.startsWith("BM")) return DecodeBitmap(file);
    if (file.startsWith("II*") || file.startsWith("MM\0*")) return DecodeTiff(file);
    throw SkipRecord();
}

QPainterPath combined(const Region& a, const Region& b, uint32_t mode, Region& result,
                      long long& elementsLeft) {
    const QPainterPath left = a.infinite ? [] { QPainterPath p; p.addRect(Everywhere); return p; }()
                                         : a.area;
    const QPainterPath right = b.infinite ? [] { QPainterPath p; p.addRect(Everywhere); return p; }()
                                          : b.area;
    elementsLeft -= left.elementCount() + right.elementCount();
    if (elementsLeft < 0) throw SkipRecord();
    switch (mode) {
        case 1: result.infinite = a.infinite && b.infinite; return left.intersected(right);
        case 2: result.infinite = a.infinite || b.infinite; return left.united(right);
        case 3: return left.united(right).subtracted(left.intersected(right));
        case 4: return left.subtracted(right);
        case 5: return right.subtracted(left);
        default: throw SkipRecord();
    }
}

Region readRegionNode(const ByteView& r, qsizetype& at, int depth, long long& elementsLeft) {
    if (depth > MaxRegionDepth) throw SkipRecord();
    const uint32_t type = r.u32(at);
    at += 4;
    Region region;
    switch (type) {
        case 0x10000000:
            region.area.addRect(ReadRectF(r, at).normalized());
            at += 16;
            return region;
        case 0x10000001: {
            const qint64 size = r.i32(at);
            if (size < 0 || !r.has(at + 4, qsizetype(size))) throw SkipRecord();
            region.area = ReadPath(r.sub(at + 4, qsizetype(size)));
            at += 4 + size;
            return region;
        }
        case 0x10000002:
            return region;
        case 0x10000003:
            region.infinite = true;
            return region;
        default: {
            const Region left = readRegionNode(r, at, depth + 1, elementsLeft);
            const Region right = readRegionNode(r, at, depth + 1, elementsLeft);
            region.area = combined(left, right, type, region, elementsLeft);
            if (region.infinite) region.area = QPainterPath();
            return region;
        }
    }
}

}  // namespace

QColor Argb(const ByteView& r, qsizetype at) {
    return QColor(r.u8(at + 2), r.u8(at + 1), r.u8(at), r.u8(at + 3));
}

QRectF ReadRectF(const ByteView& r, qsizetype at) {
    return QRectF(finite(r, at), finite(r, at + 4), finite(r, at + 8), finite(r, at + 12));
}

QTransform ReadMatrix(const ByteView& r, qsizetype at) {
    float e[6];
    for (int i = 0; i < 6; ++i) e[i] = finite(r, at + 4 * i);
    return QTransform(e[0], e[1], e[2], e[3], e[4], e[5]);
}

QPolygonF ReadPoints(const ByteView& r, qsizetype at, qint64 count, bool compressed, bool relative,
                     qsizetype* end) {
    // Each point takes at least two bytes, so the count is bounded first.
    if (count < 0 || count > (r.size() - at) / (relative ? 2 : compressed ? 4 : 8))
        throw SkipRecord();
    QPolygonF points;
    points.reserve(qsizetype(count));
    QPointF last;
    for (qint64 i = 0; i < count; ++i) {
        if (relative) {
            const int dx = relativeCoordinate(r, at);
            const int dy = relativeCoordinate(r, at);
            last += QPointF(dx, dy);
            points << last;
        } else if (compressed) {
            points << Point16(r, at);
            at += 4;
        } else {
            points << QPointF(finite(r, at), finite(r, at + 4));
            at += 8;
        }
    }
    if (end) *end = at;
    return points;
}

std::vector<QRectF> ReadRectangles(const ByteView& r, qsizetype at, qint64 count,
                                   bool compressed) {
    const int size = compressed ? 8 : 16;
    if (count < 0 || count > (r.size() - at) / size) throw SkipRecord();
    std::vector<QRectF> rectangles;
    for (qint64 i = 0; i < count; ++i) {
        const qsizetype from = at + i * size;
        rectangles.push_back(compressed ? QRectF(r.i16(from), r.i16(from + 2), r.i16(from + 4),
                                                 r.i16(from + 6))
                                        : ReadRectF(r, from));
    }
    return rectangles;
}

QPainterPath ReadPath(const ByteView& r) {
    constexpr uint32_t Compressed = 0x4000, RunLengthTypes = 0x1000, Relative = 0x0800;
    const qint64 count = r.u32(VersionSize);
    const uint32_t flags = r.u32(VersionSize + 4);
    qsizetype at = VersionSize + 8;
    const QPolygonF points =
        ReadPoints(r, at, count, flags & Compressed, flags & Relative, &at);
    std::vector<uint8_t> types;
    types.reserve(std::size_t(count));
    while (qint64(types.size()) < count) {
        if (flags & RunLengthTypes) {
            const int run = r.u8(at) & 0x3F;
            const uint8_t type = r.u8(at + 1);
            for (int i = 0; i < run && qint64(types.size()) < count; ++i) types.push_back(type);
            at += 2;
        } else {
            types.push_back(r.u8(at++));
        }
    }
    constexpr int TypeMask = 0x0F, Start = 0, Bezier = 3, CloseSubpath = 0x80;
    QPainterPath path;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const int type = types[std::size_t(i)] & TypeMask;
        if (type == Start || path.elementCount() == 0) {
            path.moveTo(points[i]);
        } else if (type == Bezier && i + 2 < points.size()) {
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        } else {
            path.lineTo(points[i]);
        }
        if (types[std::size_t(i)] & CloseSubpath) path.closeSubpath();
    }
    return path;
}

Region ReadRegion(const ByteView& r, long long& elementsLeft) {
    qsizetype at = VersionSize + 4;  // the node count follows the version
    return readRegionNode(r, at, 0, elementsLeft);
}

Brush ReadBrush(const ByteView& r, long long& pixelsLeft) {
    const uint32_t type = r.u32(VersionSize);
    const qsizetype at = VersionSize + 4;
    Brush brush;
    switch (type) {
        case 0:
            brush.colour = Argb(r, at);
            return brush;
        case 1:
            brush.kind = Brush::Hatch;
            brush.hatch = int(r.u32(at));
            brush.colour = Argb(r, at + 4);
            brush.back = Argb(r, at + 8);
            return brush;
        case 2: {
            brush.kind = Brush::Texture;
            const uint32_t flags = r.u32(at);
            brush.wrap = r.i32(at + 4);
            qsizetype image = at + 8;
            if (flags & DataTransform) {
                brush.transform = ReadMatrix(r, image);
                image += 24;
            }
            brush.texture = ReadImage(r.sub(image, r.size() - image), pixelsLeft).bitmap;
            if (brush.texture.isNull()) throw SkipRecord();
            return brush;
        }
        case 3:
            return readPathGradient(r, at);
        case 4:
            return readLinearGradient(r, at);
        default:
            throw SkipRecord();
    }
}

Pen ReadPen(const ByteView& r, long long& pixelsLeft) {
    Pen pen;
    const uint32_t flags = r.u32(VersionSize + 4);
    pen.width = finite(r, VersionSize + 12);
    qsizetype at = VersionSize + 16;
    if (flags & 0x001) {
        pen.transform = ReadMatrix(r, at);
        at += 24;
    }
    const auto cap = [](int32_t gdiCap) {
        constexpr int Square = 1, Round = 2, SquareAnchor = 0x11, RoundAnchor = 0x12;
        return gdiCap == Round || gdiCap == RoundAnchor     ? Qt::RoundCap
               : gdiCap == Square || gdiCap == SquareAnchor ? Qt::SquareCap
                                                            : Qt::FlatCap;
    };
    if (flags & 0x002) pen.cap = cap(r.i32(at)), at += 4;
    if (flags & 0x004) at += 4;  // one cap for both ends on Qt: the start's
    if (flags & 0x008) {
        const uint32_t join = r.u32(at);
        pen.join = join == 1 ? Qt::BevelJoin : join == 2 ? Qt::RoundJoin : Qt::SvgMiterJoin;
        at += 4;
    }
    if (flags & 0x010) pen.miterLimit = std::max(1.0f, finite(r, at)), at += 4;
    if (flags & 0x020) {
        // The platform's own dashes, in widths: longer than Qt's defaults.
        static const QList<qreal> patterns[] = {{}, {3, 1}, {1, 1}, {3, 1, 1, 1}, {3, 1, 1, 1, 1, 1}};
        const int32_t style = r.i32(at);
        if (style >= 1 && style <= 4) {
            pen.style = Qt::CustomDashLine;
            pen.dashes = patterns[style];
        }
        at += 4;
    }
    if (flags & 0x040) at += 4;  // dashes' caps
    if (flags & 0x080) pen.dashOffset = finite(r, at), at += 4;
    if (flags & 0x100) {
        const qint64 count = r.u32(at);
        constexpr qint64 MostDashes = 64;
        if (count > (r.size() - at - 4) / 4) throw SkipRecord();
        QList<qreal> dashes;
        for (qint64 i = 0; i < std::min(count, MostDashes); ++i)
            dashes.append(std::max<qreal>(finite(r, at + 4 + i * 4), 1e-3));
        if (dashes.size() % 2) dashes += dashes;
        if (!dashes.isEmpty()) {
            pen.style = Qt::CustomDashLine;
            pen.dashes = dashes;
        }
        at += 4 + count * 4;
    }
    if (flags & 0x200) at += 4;  // alignment: centred is drawn
    if (flags & 0x400) {
        const qint64 count = r.u32(at);
        if (count > (r.size() - at - 4) / 4) throw SkipRecord();
        at += 4 + count * 4;
    }
    for (uint32_t customCap : {0x800u, 0x1000u}) {
        if (!(flags & customCap)) continue;
        const qint64 size = r.i32(at);
        if (size < 0 || !r.has(at + 4, qsizetype(size))) throw SkipRecord();
        at += 4 + size;
    }
    pen.brush = ReadBrush(r.sub(at, r.size() - at), pixelsLeft);
    return pen;
}

Font ReadFont(const ByteView& r) {
    Font font;
    font.emSize = finite(r, VersionSize);
    font.unit = int(r.u32(VersionSize + 4));
    const uint32_t style = r.u32(VersionSize + 8);
    font.bold = style & 1;
    font.italic = style & 2;
    font.underline = style & 4;
    font.strikeOut = style & 8;
    const qint64 length = r.u32(VersionSize + 16);
    if (length > (r.size() - VersionSize - 20) / 2) throw SkipRecord();
    for (qint64 i = 0; i < length; ++i) {
        const char16_t c = r.u16(VersionSize + 20 + i * 2);
        if (c == 0) break;
        font.family += QChar(c);
    }
    return font;
}

StringFormat ReadStringFormat(const ByteView& r) {
    StringFormat format;
    format.flags = r.u32(VersionSize);
    format.alignment = int(r.u32(VersionSize + 8));
    format.lineAlignment = int(r.u32(VersionSize + 12));
    return format;
}

Image ReadImage(const ByteView& r, long long& pixelsLeft) {
    const uint32_t type = r.u32(VersionSize);
    Image image;
    if (type == 1) {
        const qsizetype at = VersionSize + 4;
        const int width = r.i32(at), height = r.i32(at + 4), stride = r.i32(at + 8);
        const uint32_t format = r.u32(at + 12);
        const bool compressed = r.u32(at + 16) == 1;
        const qsizetype data = at + 20;
        if (compressed) {
            // The file's own header gives the size, checked by its decoder;
            // writers often leave the fields before it zero.
            image.bitmap = compressedBitmap(r.bytes(data, r.size() - data));
        } else {
            if (width <= 0 || height <= 0) throw SkipRecord();
            CheckPictureSize(width, height);
            if (qint64(width) * height > pixelsLeft) throw SkipRecord();
            image.bitmap = pixelBitmap(r, data, width, height, stride, format);
        }
        if (image.bitmap.isNull()) throw SkipRecord();
        pixelsLeft -= qint64(image.bitmap.width()) * image.bitmap.height();
        if (pixelsLeft < 0) throw SkipRecord();
    } else if (type == 2) {
        const qint64 size = r.u32(VersionSize + 8);
        if (!r.has(VersionSize + 12, qsizetype(size))) throw SkipRecord();
        image.metafile = std::make_shared<EmbeddedMetafile>(
            EmbeddedMetafile{r.bytes(VersionSize + 12, qsizetype(size))});
    } else {
        throw SkipRecord();
    }
    return image;
}

long long PixelsHeld(const Object& object) {
    const auto pixels = [](const QImage& image) { return qint64(image.width()) * image.height(); };
    if (const Image* image = std::get_if<Image>(&object)) return pixels(image->bitmap);
    if (const Brush* brush = std::get_if<Brush>(&object)) return pixels(brush->texture);
    if (const Pen* pen = std::get_if<Pen>(&object)) return pixels(pen->brush.texture);
    return 0;
}

QPainterPath CardinalSpline(const QPolygonF& points, double tension, bool closed) {
    QPainterPath path;
    const qsizetype n = points.size();
    if (n < 2) return path;
    // Each segment's control points lie along the tangent through its
    // neighbours, a third of the tension's way.
    const double t = tension / 3;
    const auto at = [&](qsizetype i) {
        if (closed) return points[(i % n + n) % n];
        return points[std::clamp<qsizetype>(i, 0, n - 1)];
    };
    path.moveTo(points[0]);
    const qsizetype segments = closed ? n : n - 1;
    for (qsizetype i = 0; i < segments; ++i) {
        const QPointF p0 = at(i), p1 = at(i + 1);
        path.cubicTo(p0 + t * (p1 - at(i - 1)), p1 - t * (at(i + 2) - p0), p1);
    }
    if (closed) path.closeSubpath();
    return path;
}

}  // namespace emfplus
