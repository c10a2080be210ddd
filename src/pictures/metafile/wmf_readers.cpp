// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of the Windows metafile records' fields, by record family.

#include "pictures/metafile/wmf_readers.h"

#include <cstring>

#include "pictures/metafile/dib.h"
#include "pictures/metafile/text_encoding.h"

using namespace gdi;

namespace wmf {

namespace {

// A blit record carries no bitmap when it is three words longer than its
// function's parameter count says.
bool hasBitmap(const MetafileRecord& record) {
    return record.bytes.size() / 2 != qsizetype((record.type >> 8) + 3);
}

// The old device-dependent bitmap of the first metafiles: a header of
// type, width, height, bytes per row, planes and bits per pixel; its rows,
// top-down, from `data`. Only the one-bit kind is device-independent enough
// to show: Format_Mono, its bits as they stand.
QImage bitmap16(const ByteView& r, qsizetype at, qsizetype data) {
    const int width = r.i16(at + 2), height = r.i16(at + 4), rowBytes = r.i16(at + 6);
    const int planes = r.u8(at + 8), bits = r.u8(at + 9);
    if (planes != 1 || bits != 1 || width <= 0 || height <= 0 || rowBytes < (width + 7) / 8)
        return QImage();
    if (!r.has(data, qsizetype(rowBytes) * height)) return QImage();
    QImage image(width, height, QImage::Format_Mono);
    if (image.isNull()) return QImage();
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), r.data() + data + qsizetype(y) * rowBytes,
                    size_t((width + 7) / 8));
    return image;
}

}  // namespace

void PlayExtTextOut(GdiPlayer& player, const ByteView& r) {
    const QPointF at = PointYX(r, Params);
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
    const QString text = DecodeCodePageText(r.bytes(next, count), player.state().font.charSet);
    next += count + (count & 1);
    std::vector<double> advances;
    if (r.has(next, count * 2))
        for (qsizetype i = 0; i < count; ++i) advances.push_back(r.i16(next + i * 2));
    player.text(at, text, advances, options, box);
}

Font LogFont(const ByteView& r) {
    Font font;
    font.height = r.i16(Params);
    font.escapement = r.i16(Params + 4);
    font.weight = r.i16(Params + 8);
    font.italic = r.u8(Params + 10);
    font.underline = r.u8(Params + 11);
    font.strikeOut = r.u8(Params + 12);
    font.charSet = r.u8(Params + 13);
    // The face's name is written in its character set's code page too.
    QByteArray name;
    for (qsizetype i = Params + 18; i < Params + 18 + 32 && r.has(i, 1); ++i) {
        const char c = char(r.u8(i));
        if (c == 0) break;
        name += c;
    }
    if (!name.isEmpty()) font.face = DecodeCodePageText(name, font.charSet);
    return font;
}

std::vector<QPolygonF> PolyPolygonShapes(const ByteView& r) {
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

QImage PatternBrushBitmap(const ByteView& r) {
    // the old bitmap's header with a pointer in place of its bits, 18 bytes
    // reserved, then the bits
    constexpr qsizetype BitsAt = Params + 32;
    return bitmap16(r, Params, BitsAt);
}

QImage PackedBitmap(const ByteView& r, qsizetype at) {
    if (!r.has(at, 4)) return QImage();
    return DecodePackedDib(r.sub(at, r.size() - at));
}

Blit ReadBitBlt(const MetafileRecord& record, bool independent) {
    // rop, [reserved when bitmapless], source y, x, height, width, target y, x, bitmap
    const ByteView& r = record.bytes;
    const bool carried = hasBitmap(record);
    const qsizetype base = carried ? Params + 4 : Params + 6;
    const QPointF source = PointYX(r, base);
    const QSizeF size(r.i16(base + 6), r.i16(base + 4));
    const QImage image = !carried      ? QImage()
                         : independent ? PackedBitmap(r, base + 12)
                                       : bitmap16(r, base + 12, base + 22);
    return {r.u32(Params), QRectF(PointYX(r, base + 8), size), QRectF(source, size), image};
}

Blit ReadStretchBlt(const MetafileRecord& record, bool independent) {
    // rop, source height, width, y, x, [reserved when bitmapless], target height, width,
    // y, x, bitmap
    const ByteView& r = record.bytes;
    const bool carried = hasBitmap(record);
    const QSizeF sourceSize(r.i16(Params + 6), r.i16(Params + 4));
    const QPointF source = PointYX(r, Params + 8);
    const qsizetype base = carried ? Params + 12 : Params + 14;
    const QRectF target(PointYX(r, base + 4), QSizeF(r.i16(base + 2), r.i16(base)));
    const QImage image = !carried      ? QImage()
                         : independent ? PackedBitmap(r, base + 8)
                                       : bitmap16(r, base + 8, base + 18);
    return {r.u32(Params), target, QRectF(source, sourceSize), image};
}

Blit ReadStretchDib(const ByteView& r) {
    // rop, colour usage, source height, width, y, x, target height, width, y, x, bitmap
    constexpr qsizetype SourceSizeAt = Params + 6, SourceAt = Params + 10;
    constexpr qsizetype TargetSizeAt = Params + 14, TargetAt = Params + 18, BitmapAt = Params + 22;
    const QSizeF sourceSize(r.i16(SourceSizeAt + 2), r.i16(SourceSizeAt));
    const QRectF target(PointYX(r, TargetAt), QSizeF(r.i16(TargetSizeAt + 2), r.i16(TargetSizeAt)));
    const QImage image = PackedBitmap(r, BitmapAt);
    if (image.isNull()) return {};
    return {r.u32(Params), target, SourceFromBottom(image, PointYX(r, SourceAt), sourceSize),
            image};
}

Blit ReadSetDibToDevice(const ByteView& r) {
    // colour usage, scan lines, first scan line, source y, x, height, width, target y, x,
    // bitmap
    constexpr qsizetype SourceAt = Params + 6, SizeAt = Params + 10, TargetAt = Params + 14;
    constexpr qsizetype BitmapAt = Params + 18;
    const QSizeF size(r.i16(SizeAt + 2), r.i16(SizeAt));
    const QImage image = PackedBitmap(r, BitmapAt);
    if (image.isNull()) return {};
    return {RopSourceCopy, QRectF(PointYX(r, TargetAt), size),
            SourceFromBottom(image, PointYX(r, SourceAt), size), image};
}

}  // namespace wmf
