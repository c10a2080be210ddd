// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of the enhanced metafile records' fields, by record family.

#include "pictures/metafile/emf_readers.h"

#include <algorithm>
#include <cmath>

#include "pictures/metafile/dib.h"
#include "pictures/metafile/record_reading.h"
#include "pictures/metafile/text_encoding.h"

using namespace gdi;

namespace emf {

constexpr qsizetype RgnDataHeader = 32;

// A world transform; one that is not finite cannot be drawn with.
QTransform Xform(const ByteView& r, qsizetype at) {
    float e[6];
    for (int i = 0; i < 6; ++i) {
        e[i] = r.f32(at + 4 * i);
        if (!std::isfinite(e[i])) throw SkipRecord();
    }
    return QTransform(e[0], e[1], e[2], e[3], e[4], e[5]);
}

// The rectangles of a RGNDATA structure.
std::vector<QRectF> RegionRectangles(const ByteView& r, qsizetype at, qint64 length) {
    if (length < RgnDataHeader || !r.has(at, qsizetype(length))) throw SkipRecord();
    const qint64 count = r.u32(at + 8);
    if (count > (length - RgnDataHeader) / 16) throw SkipRecord();
    std::vector<QRectF> rectangles;
    for (qint64 i = 0; i < count; ++i)
        rectangles.push_back(Corners32(r, at + RgnDataHeader + i * 16));
    return rectangles;
}

namespace {
// A bitmap given by offsets into the record, read by `decode`; null when
// there is none.
QImage OffsetBitmap(const ByteView& r, qsizetype offsetAt, QImage (*decode)(ByteView, ByteView)) {
    const uint32_t offHeader = r.u32(offsetAt), headerSize = r.u32(offsetAt + 4);
    const uint32_t offBits = r.u32(offsetAt + 8), bitsSize = r.u32(offsetAt + 12);
    if (headerSize == 0 || !r.has(offHeader, headerSize) || !r.has(offBits, bitsSize))
        return QImage();
    return decode(r.sub(offHeader, headerSize), r.sub(offBits, bitsSize));
}
}  // namespace

QImage RecordBitmap(const ByteView& r, qsizetype offsetAt) {
    return OffsetBitmap(r, offsetAt, DecodeDib);
}

QImage RecordBitmapWithAlpha(const ByteView& r, qsizetype offsetAt) {
    return OffsetBitmap(r, offsetAt, DecodeDibWithAlpha);
}

namespace {
// bounds, target x, y, width, height, [blend or colour], source x, y,
// source transform, background colour, colour usage, bitmap offsets and
// sizes, source width, height
constexpr qsizetype TargetAt = 24, ModeAt = 40, SourceAt = 44, BitmapAt = 84, SourceSizeAt = 100;

BlendedBlit ReadBlendedBlit(const ByteView& r, QImage image) {
    return {
        QRectF(r.i32(TargetAt), r.i32(TargetAt + 4), r.i32(TargetAt + 8), r.i32(TargetAt + 12)),
        QRectF(r.i32(SourceAt), r.i32(SourceAt + 4), r.i32(SourceSizeAt), r.i32(SourceSizeAt + 4)),
        std::move(image)};
}
}  // namespace

BlendedBlit ReadAlphaBlend(const ByteView& r) {
    // blend function: operation, flags, constant alpha, alpha format
    constexpr int SourceAlpha = 1;
    const bool perPixel = r.u8(ModeAt + 3) & SourceAlpha;
    BlendedBlit blit = ReadBlendedBlit(
        r, perPixel ? RecordBitmapWithAlpha(r, BitmapAt) : RecordBitmap(r, BitmapAt));
    blit.opacity = r.u8(ModeAt + 2) / 255.0;
    return blit;
}

BlendedBlit ReadTransparentBlt(const ByteView& r) {
    QImage image = RecordBitmap(r, BitmapAt);
    if (!image.isNull()) {
        // Pixels of the transparent colour leave the target as it was.
        const QRgb key = ColourRef(r, ModeAt).rgb() | 0xff000000;
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == key) line[x] = 0;
        }
    }
    return ReadBlendedBlit(r, std::move(image));
}

QImage RecordMonochromeBitmap(const ByteView& r, qsizetype offsetAt) {
    return OffsetBitmap(r, offsetAt, DecodeMonochromeDib);
}

QPolygonF PolyPoints(const ByteView& r, bool wide) {
    // bounds, count, points
    constexpr qsizetype CountAt = 24, PointsAt = 28;
    return Points(r, PointsAt, r.u32(CountAt), wide);
}

GdiPlayer::DrawnPoints ReadPolyDraw(const ByteView& r, bool wide) {
    // bounds, count, points, then one type byte per point
    constexpr qsizetype CountAt = 24, PointsAt = 28;
    GdiPlayer::DrawnPoints drawn;
    drawn.points = Points(r, PointsAt, r.u32(CountAt), wide);
    const qsizetype typesAt = PointsAt + drawn.points.size() * (wide ? 8 : 4);
    const QByteArray types = r.bytes(typesAt, drawn.points.size());
    drawn.types.assign(types.begin(), types.end());
    return drawn;
}

std::vector<QPolygonF> PolyPolygons(const ByteView& r, bool wide) {
    // bounds, number of shapes, number of points, points per shape, points
    constexpr qsizetype ShapesAt = 24, TotalAt = 28, CountsAt = 32;
    const qint64 groups = r.u32(ShapesAt), total = r.u32(TotalAt);
    if (groups > (r.size() - CountsAt) / 4) throw SkipRecord();
    const qsizetype pointsAt = CountsAt + qsizetype(groups) * 4;
    const QPolygonF points = Points(r, pointsAt, total, wide);
    std::vector<QPolygonF> shapes;
    qsizetype next = 0;
    for (qint64 g = 0; g < groups; ++g) {
        const qint64 count = r.u32(CountsAt + g * 4);
        if (count > points.size() - next) throw SkipRecord();
        shapes.push_back(points.mid(next, qsizetype(count)));
        next += qsizetype(count);
    }
    return shapes;
}

// EMRTEXT inside ExtTextOutA/W: reference point, character count, string
// offset, options, clipping rectangle, advances offset.
enum EmrTextField : qsizetype {
    TextReferenceAt = 36,
    TextCountAt = 44,
    TextStringOffsetAt = 48,
    TextOptionsAt = 52,
    TextRectangleAt = 56,
    TextAdvancesOffsetAt = 72
};

void PlayTextOut(GdiPlayer& player, const ByteView& r, bool wide) {
    const QPointF reference = Point32(r, TextReferenceAt);
    const qint64 count = r.u32(TextCountAt);
    const uint32_t offString = r.u32(TextStringOffsetAt), options = r.u32(TextOptionsAt);
    const uint32_t offDx = r.u32(TextAdvancesOffsetAt);
    const QRectF box = Corners32(r, TextRectangleAt);
    if (count > (r.size() / (wide ? 2 : 1))) throw SkipRecord();
    const QByteArray raw = r.bytes(offString, qsizetype(count) * (wide ? 2 : 1));
    const QString text =
        wide ? QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()),
                                  qsizetype(count))
             : DecodeCodePageText(raw, player.state().font.charSet);
    // With the pairs option each letter has an across and a down advance;
    // only the first moves along the baseline.
    constexpr uint32_t AdvancePairs = 0x2000;
    const qsizetype stride = options & AdvancePairs ? 8 : 4;
    std::vector<double> advances;
    if (offDx != 0 && r.has(offDx, qsizetype(count) * stride))
        for (qint64 i = 0; i < count; ++i) advances.push_back(r.i32(offDx + i * stride));
    player.text(reference, text, advances, options & ~AdvancePairs, box);
}

// Options of the small text record: no rectangle, 8-bit characters.
constexpr uint32_t NoRectangle = 0x100;
constexpr uint32_t SmallCharacters = 0x200;

void PlaySmallTextOut(GdiPlayer& player, const ByteView& r) {
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
        narrow ? DecodeCodePageText(raw, player.state().font.charSet)
               : QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()),
                                    qsizetype(count));
    player.text(reference, text, {}, options & ~(NoRectangle | SmallCharacters), box);
}

// Vertices of 16 bytes: x, y and 16-bit red, green, blue, alpha.
void PlayGradientFill(GdiPlayer& player, const ByteView& r) {
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

Pen ReadExtCreatePen(const ByteView& r) {
    // slot, bitmap offsets and sizes, then style, width, brush style,
    // colour, hatch, number of style entries, the entries
    constexpr qsizetype BitmapAt = 12, StyleAt = 28, WidthAt = 32, BrushStyleAt = 36,
                        ColourAt = 40, HatchAt = 44, EntriesAt = 48;
    constexpr int Geometric = 0x00010000;
    constexpr qint64 MostEntries = 64;  // more than any pattern needs
    const int style = int(r.u32(StyleAt));
    Pen pen{style, style & Geometric ? double(r.u32(WidthAt)) : 0.0, ColourRef(r, ColourAt)};
    switch (int(r.u32(BrushStyleAt))) {
        case BrushHatched:
            pen.stroke = Brush{BrushHatched, pen.colour, int(r.u32(HatchAt))};
            break;
        // The record carries a pattern bitmap as a DIB with its own colours,
        // whichever kind of bitmap the pen was made with.
        case BrushPattern:
        case BrushDibPattern:
        case BrushDibPatternPt:
            if (QImage pattern = RecordBitmap(r, BitmapAt); !pattern.isNull())
                pen.stroke = Brush{BrushDibPatternPt, pen.colour, 0, std::move(pattern)};
            break;
        default:
            break;
    }
    if ((style & PenStyleMask) == PenUserStyle) {
        const qint64 entries = std::min<qint64>(r.u32(EntriesAt), MostEntries);
        for (qint64 i = 0; i < entries && r.has(EntriesAt + 4 + i * 4, 4); ++i)
            pen.dashes.append(r.u32(EntriesAt + 4 + i * 4));
    }
    return pen;
}

Font LogFont(const ByteView& r, qsizetype at) {
    Font font;
    font.height = r.i32(at);
    font.escapement = r.i32(at + 8);
    font.weight = r.i32(at + 16);
    font.italic = r.u8(at + 20);
    font.underline = r.u8(at + 21);
    font.strikeOut = r.u8(at + 22);
    font.charSet = r.u8(at + 23);
    QString face;
    for (int i = 0; i < 32 && r.has(at + 28 + i * 2, 2); ++i) {
        const char16_t c = r.u16(at + 28 + i * 2);
        if (c == 0) break;
        face += QChar(c);
    }
    if (!face.isEmpty()) font.face = face;
    return font;
}

ArcFields ReadArc(const ByteView& r) {
    // box, start point, end point
    constexpr qsizetype BoxAt = 8, StartAt = 24, EndAt = 32;
    return {Corners32(r, BoxAt), Point32(r, StartAt), Point32(r, EndAt)};
}

}  // namespace emf
