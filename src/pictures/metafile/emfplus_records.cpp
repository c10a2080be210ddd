// SPDX-License-Identifier: GPL-3.0-or-later
// EMF+ records read out of their comment records and played onto the EMF+
// player, from the format's public description.

#include "pictures/metafile/emfplus_records.h"

#include <cmath>

#include "base/sleevix_error.h"
#include "pictures/metafile/emfplus_player.h"
#include "pictures/metafile/record_numbers.h"
#include "pictures/metafile/record_reading.h"

namespace emfplus {

using namespace emfplus_record;

namespace {

constexpr uint32_t EmfPlusIdentifier = 0x2B464D45;  // "EMF+"
// Comment record: type, size, data size, identifier, then the EMF+ records.
constexpr qsizetype CommentDataSizeAt = 8, CommentIdentifierAt = 12, FirstRecordAt = 16;
constexpr qsizetype RecordHeaderSize = 12;


// Flags of the drawing records.
constexpr uint16_t ColourBrush = 0x8000, Compressed = 0x4000, Relative = 0x0800,
                   Closed = 0x2000, Winding = 0x2000, Appended = 0x2000, Continues = 0x8000;
constexpr uint16_t ObjectIdMask = 0xFF;
// The header's flag: the older records draw the same picture.
constexpr uint16_t DualHeader = 0x0001;

bool drawing(uint16_t type) {
    return (type >= Clear && type <= DrawString) || type == DrawDriverString ||
           type == StrokeFillPath;
}

// Calls `each` with every EMF+ record of a comment: its type, flags and data.
// False when a record's size runs past the comment: the rest is lost.
template <typename Each>
bool forEachRecord(const ByteView& comment, Each each) {
    const qint64 length = std::min<qint64>(comment.u32(CommentDataSizeAt),
                                           comment.size() - CommentIdentifierAt);
    const ByteView records = comment.sub(FirstRecordAt, qsizetype(length) - 4);
    qsizetype at = 0;
    while (records.has(at, RecordHeaderSize)) {
        const uint16_t type = records.u16(at), flags = records.u16(at + 2);
        const qint64 size = records.u32(at + 4), dataSize = records.u32(at + 8);
        if (size < RecordHeaderSize || size > records.size() - at) return false;
        const ByteView data =
            records.sub(at + RecordHeaderSize, qsizetype(std::min(dataSize, size - RecordHeaderSize)));
        each(type, flags, data);
        at += qsizetype(size);
    }
    return true;
}

QRectF rectangleAt(const ByteView& r, qsizetype at, bool compressed) {
    return ReadRectangles(r, at, 1, compressed).front();
}

QPainterPath ellipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box);
    return path;
}

// The platform's angles turn clockwise on the page; Qt's the other way.
QPainterPath pie(const QRectF& box, double start, double sweep, bool closed) {
    if (!std::isfinite(start) || !std::isfinite(sweep)) throw SkipRecord();
    QPainterPath path;
    if (closed) {
        path.moveTo(box.center());
        path.arcTo(box, -start, -sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, -start);
        path.arcTo(box, -start, -sweep);
    }
    return path;
}

template <typename T>
const T& objectAs(const Player& player, uint32_t id) {
    const emfplus::Object* object = player.object(id);
    const T* found = object ? std::get_if<T>(object) : nullptr;
    if (!found) throw SkipRecord();
    return *found;
}

void fillWith(Player& player, uint16_t flags, uint32_t brushValue, const QPainterPath& shape,
              Qt::FillRule rule = Qt::OddEvenFill) {
    const std::optional<Brush> brush = player.brush(flags & ColourBrush, brushValue);
    if (!brush) throw SkipRecord();
    player.fill(shape, *brush, rule);
}

void strokeWith(Player& player, uint32_t penId, const QPainterPath& shape) {
    const Pen* pen = player.pen(penId);
    if (!pen) throw SkipRecord();
    player.stroke(shape, *pen);
}

QPolygonF pointsAt(const ByteView& r, qsizetype at, qint64 count, uint16_t flags) {
    return ReadPoints(r, at, count, flags & Compressed, flags & Relative);
}

QPainterPath polyline(const QPolygonF& points, bool closed) {
    QPainterPath path;
    path.addPolygon(points);
    if (closed) path.closeSubpath();
    return path;
}

double tensionAt(const ByteView& r, qsizetype at) {
    const double tension = r.f32(at);
    if (!std::isfinite(tension)) throw SkipRecord();
    return tension;
}

void playImage(Player& player, uint16_t type, uint16_t flags, const ByteView& r) {
    const Image& image = objectAs<Image>(player, flags & ObjectIdMask);
    // image attributes, source unit, source rectangle, then where it lands
    const QRectF source = ReadRectF(r, 8);
    QPolygonF corners;
    if (type == DrawImage) {
        const QRectF target = rectangleAt(r, 24, flags & Compressed);
        corners << target.topLeft() << target.topRight() << target.bottomLeft();
    } else {
        if (r.u32(24) != 3) throw SkipRecord();
        corners = pointsAt(r, 28, 3, flags);
    }
    player.image(image, source, corners);
}

void playString(Player& player, uint16_t flags, const ByteView& r) {
    const Font& font = objectAs<Font>(player, flags & ObjectIdMask);
    const std::optional<Brush> brush = player.brush(flags & ColourBrush, r.u32(0));
    if (!brush) throw SkipRecord();
    const Object* formatObject = player.object(r.u32(4));
    const StringFormat* format = formatObject ? std::get_if<StringFormat>(formatObject) : nullptr;
    const qint64 length = r.u32(8);
    const QRectF layout = ReadRectF(r, 12);
    if (length > (r.size() - 28) / 2) throw SkipRecord();
    const QByteArray raw = r.bytes(28, qsizetype(length) * 2);
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()), qsizetype(length));
    player.text(text, font, *brush, layout, format ? *format : StringFormat{});
}

void playDriverString(Player& player, uint16_t flags, const ByteView& r) {
    constexpr uint32_t CharacterCodes = 0x1, FirstPositionOnly = 0x4;
    const Font& font = objectAs<Font>(player, flags & ObjectIdMask);
    const std::optional<Brush> brush = player.brush(flags & ColourBrush, r.u32(0));
    if (!brush) throw SkipRecord();
    const uint32_t options = r.u32(4);
    const bool matrixPresent = r.u32(8) != 0;
    const qint64 count = r.u32(12);
    if (count > (r.size() - 16) / 10) throw SkipRecord();
    std::vector<char16_t> glyphs;
    for (qint64 i = 0; i < count; ++i) glyphs.push_back(r.u16(16 + i * 2));
    const qsizetype positionsAt = 16 + qsizetype(count) * 2;
    const QPolygonF positions = ReadPoints(r, positionsAt, count, false, false);
    const QTransform matrix =
        matrixPresent ? ReadMatrix(r, positionsAt + qsizetype(count) * 8) : QTransform();
    player.glyphs(glyphs, options & CharacterCodes, positions, options & FirstPositionOnly, font,
                  *brush, matrix);
}

// The header, objects, and filled or outlined rectangles, polygons, ellipses, pies, regions and
// paths.
bool playFills(Player& player, uint16_t type, uint16_t flags, const ByteView& r) {
    const bool compressed = flags & Compressed;
    const uint32_t id = flags & ObjectIdMask;
    switch (type) {
        case Header: {
            constexpr uint32_t VideoDisplay = 0x0001;
            player.header(r.u32(4) & VideoDisplay, flags & DualHeader);
            break;
        }
        case ObjectRecord:
            player.objectPart(int(id), flags >> 8 & 0x7F, flags & Continues, r);
            break;
        case Clear:
            player.clear(Argb(r, 0));
            break;
        case FillRects: {
            QPainterPath shape;
            for (const QRectF& box : ReadRectangles(r, 8, r.u32(4), compressed)) shape.addRect(box);
            fillWith(player, flags, r.u32(0), shape);
            break;
        }
        case DrawRects: {
            QPainterPath shape;
            for (const QRectF& box : ReadRectangles(r, 4, r.u32(0), compressed)) shape.addRect(box);
            strokeWith(player, id, shape);
            break;
        }
        case FillPolygon:
            fillWith(player, flags, r.u32(0), polyline(pointsAt(r, 8, r.u32(4), flags), true));
            break;
        case DrawLines:
            strokeWith(player, id, polyline(pointsAt(r, 4, r.u32(0), flags), flags & Closed));
            break;
        case FillEllipse:
            fillWith(player, flags, r.u32(0), ellipse(rectangleAt(r, 4, compressed)));
            break;
        case DrawEllipse:
            strokeWith(player, id, ellipse(rectangleAt(r, 0, compressed)));
            break;
        case FillPie:
            fillWith(player, flags, r.u32(0),
                     pie(rectangleAt(r, 12, compressed), r.f32(4), r.f32(8), true));
            break;
        case DrawPie:
        case DrawArc:
            strokeWith(player, id,
                       pie(rectangleAt(r, 8, compressed), r.f32(0), r.f32(4), type == DrawPie));
            break;
        case FillRegion: {
            const Region& region = objectAs<Region>(player, id);
            if (region.infinite) throw SkipRecord();
            fillWith(player, flags, r.u32(0), region.area);
            break;
        }
        case FillPath:
            fillWith(player, flags, r.u32(0), objectAs<QPainterPath>(player, id));
            break;
        case DrawPath:
            strokeWith(player, r.u32(0), objectAs<QPainterPath>(player, id));
            break;
        default:
            return false;
    }
    return true;
}

// Curves, Bezier curves, images and text.
bool playCurvesImagesText(Player& player, uint16_t type, uint16_t flags, const ByteView& r) {
    const uint32_t id = flags & ObjectIdMask;
    switch (type) {
        case FillClosedCurve:
            fillWith(player, flags, r.u32(0),
                     CardinalSpline(pointsAt(r, 12, r.u32(8), flags), tensionAt(r, 4), true),
                     flags & Winding ? Qt::WindingFill : Qt::OddEvenFill);
            break;
        case DrawClosedCurve:
            strokeWith(player, id,
                       CardinalSpline(pointsAt(r, 8, r.u32(4), flags), tensionAt(r, 0), true));
            break;
        case DrawCurve: {
            // Of the curve through all the points, the segments asked for.
            const QPolygonF points = pointsAt(r, 16, r.u32(12), flags);
            const qint64 offset = r.u32(4), segments = r.u32(8);
            const QPainterPath whole = CardinalSpline(points, tensionAt(r, 0), false);
            if (offset + segments > points.size() - 1) throw SkipRecord();
            QPainterPath part;
            for (qint64 s = offset; s < offset + segments; ++s) {
                const qsizetype at = qsizetype(1 + s * 3);
                if (s == offset) part.moveTo(whole.elementAt(at - 1));
                part.cubicTo(whole.elementAt(at), whole.elementAt(at + 1), whole.elementAt(at + 2));
            }
            strokeWith(player, id, part);
            break;
        }
        case DrawBeziers: {
            const QPolygonF points = pointsAt(r, 4, r.u32(0), flags);
            if (points.isEmpty()) return true;
            QPainterPath shape(points[0]);
            for (qsizetype i = 1; i + 2 < points.size(); i += 3)
                shape.cubicTo(points[i], points[i + 1], points[i + 2]);
            strokeWith(player, id, shape);
            break;
        }
        case DrawImage:
        case DrawImagePoints:
            playImage(player, type, flags, r);
            break;
        case DrawString:
            playString(player, flags, r);
            break;
        case DrawDriverString:
            playDriverString(player, flags, r);
            break;
        default:
            return false;
    }
    return true;
}

// The saved states, containers, transforms and clipping.
bool playStateAndClipping(Player& player, uint16_t type, uint16_t flags, const ByteView& r) {
    const uint32_t id = flags & ObjectIdMask;
    switch (type) {
        case SetAntiAliasMode:
            player.setAntialiasing(flags & 1);
            break;
        case Save:
            player.save(r.u32(0));
            break;
        case Restore:
        case EndContainer:
            player.restore(r.u32(0));
            break;
        case BeginContainer:
            player.beginContainer(ReadRectF(r, 0), ReadRectF(r, 16), r.u32(32));
            break;
        case BeginContainerNoParams:
            player.save(r.u32(0));
            break;
        case SetWorldTransform:
            player.world() = ReadMatrix(r, 0);
            break;
        case ResetWorldTransform:
            player.world() = QTransform();
            break;
        case MultiplyWorldTransform:
            player.multiplyWorld(ReadMatrix(r, 0), flags & Appended);
            break;
        case TranslateWorldTransform:
        case ScaleWorldTransform:
        case RotateWorldTransform: {
            const float a = r.f32(0), b = type == RotateWorldTransform ? 0 : r.f32(4);
            if (!std::isfinite(a) || !std::isfinite(b)) throw SkipRecord();
            const QTransform by = type == TranslateWorldTransform ? QTransform::fromTranslate(a, b)
                                  : type == ScaleWorldTransform   ? QTransform::fromScale(a, b)
                                                                  : QTransform().rotate(a);
            player.multiplyWorld(by, flags & Appended);
            break;
        }
        case SetPageTransform:
            player.setPage(flags & 0xFF, r.f32(0));
            break;
        case ResetClip:
            player.resetClip();
            break;
        case SetClipRect: {
            QPainterPath shape;
            shape.addRect(ReadRectF(r, 0));
            player.clipTo(shape, flags >> 8 & 0xF);
            break;
        }
        case SetClipPath:
            player.clipTo(objectAs<QPainterPath>(player, id), flags >> 8 & 0xF);
            break;
        case SetClipRegion:
            player.clipToRegion(objectAs<Region>(player, id), flags >> 8 & 0xF);
            break;
        case OffsetClip: {
            const float dx = r.f32(0), dy = r.f32(4);
            if (!std::isfinite(dx) || !std::isfinite(dy)) throw SkipRecord();
            player.offsetClip(QPointF(dx, dy));
            break;
        }
        default:
            return false;
    }
    return true;
}

void playRecord(Player& player, uint16_t type, uint16_t flags, const ByteView& r) {
    // Each family plays its own records; hints, rendering origin,
    // compositing, comments: nothing to draw.
    for (const auto play : {playFills, playCurvesImagesText, playStateAndClipping})
        if (play(player, type, flags, r)) return;
}

}  // namespace

bool IsEmfPlusComment(const ByteView& record) {
    return record.has(0, FirstRecordAt) && record.u32(0) == emf_record::Comment &&
           record.u32(CommentIdentifierAt) == EmfPlusIdentifier;
}

void Survey(const ByteView& record, Contents& contents) {
    forEachRecord(record, [&](uint16_t type, uint16_t flags, const ByteView&) {
        if (type == Header) {
            contents.header = true;
            contents.dual = flags & DualHeader;
        }
        if (drawing(type)) (type == StrokeFillPath ? contents.unplayed : contents.plays) = true;
    });
}

void PlayComment(Player& player, const ByteView& record) {
    const auto play = [&](uint16_t type, uint16_t flags, const ByteView& data) {
        bool played = false;
        try {
            playRecord(player, type, flags, data);
            played = true;
        } catch (const SkipRecord&) {
        } catch (const OutOfBounds&) {
        } catch (const SleevixError&) {
        }
        // The older records after GetDC draw what the program drew on the
        // device itself; in a dual file, they also draw what EMF+ could not.
        player.recordPlayed(type == GetDc, drawing(type), played);
    };
    bool whole = false;
    try {
        whole = forEachRecord(record, play);
    } catch (const OutOfBounds&) {
    }
    // Records lost to damage may have drawn.
    if (!whole) player.recordPlayed(false, true, false);
}

}  // namespace emfplus
