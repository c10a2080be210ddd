// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The objects EMF+ records define (brushes, pens, paths, regions, fonts,
// images, string formats) and their readers. Each reader checks every
// count and size against the bytes it is given and throws SkipRecord or
// OutOfBounds when they cannot hold what they claim.

#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include "pictures/metafile/byte_view.h"

namespace emfplus {

// How a fill is made: a flat colour, a hatch, a tiled image or a gradient.
struct Brush {
    enum Kind { Solid, Hatch, Texture, LinearGradient, PathGradient } kind = Solid;
    QColor colour = Qt::black;  // solid; hatch foreground; a gradient's first colour
    QColor back;                // hatch background; a gradient's last colour
    int hatch = 0;
    QImage texture;
    QTransform transform;  // brush space onto world space
    QRectF rectangle;      // a linear gradient's span
    QPointF centre;        // a path gradient's centre
    QPainterPath boundary;  // a path gradient fills inside it only
    QGradientStops stops;
    int wrap = 0;  // 0 tile, 1-3 tile flipped, 4 clamp
};

struct Pen {
    double width = 1;  // world units; 0 draws one device pixel
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::MiterJoin;
    double miterLimit = 10;
    Qt::PenStyle style = Qt::SolidLine;
    QList<qreal> dashes;  // in widths, a custom style's
    double dashOffset = 0;
    QTransform transform;
    Brush brush;
};

struct Font {
    double emSize = 12;
    int unit = 3;  // points
    bool bold = false, italic = false, underline = false, strikeOut = false;
    QString family;
};

struct StringFormat {
    uint32_t flags = 0;
    int alignment = 0;      // near, centre, far across
    int lineAlignment = 0;  // near, centre, far down
};

// A region as the area it covers; `infinite` when it covers everything.
struct Region {
    QPainterPath area;
    bool infinite = false;
};

// An embedded metafile, kept as its bytes and played where it is drawn.
struct EmbeddedMetafile {
    QByteArray bytes;
};

struct Image {
    QImage bitmap;  // null for a metafile
    std::shared_ptr<EmbeddedMetafile> metafile;
};

struct ImageAttributes {};  // kept only so that its slot is taken

using Object = std::variant<std::monostate, Brush, Pen, QPainterPath, Region, Font, Image,
                            StringFormat, ImageAttributes>;

// Units of the page, pens and fonts.
enum Unit { UnitWorld, UnitDisplay, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimetre };

// ARGB as EMF+ stores it: blue, green, red, alpha.
QColor Argb(const ByteView& r, qsizetype at);

// `count` points from `at`: 16-bit integers, 32-bit floats, or relative
// (one or two bytes a coordinate, each from the last point); `end`
// receives where they stop.
QPolygonF ReadPoints(const ByteView& r, qsizetype at, qint64 count, bool compressed, bool relative,
                     qsizetype* end = nullptr);
// `count` rectangles (x, y, width, height): 16-bit integers or floats.
std::vector<QRectF> ReadRectangles(const ByteView& r, qsizetype at, qint64 count,
                                   bool compressed);
QRectF ReadRectF(const ByteView& r, qsizetype at);
// A matrix of six finite floats.
QTransform ReadMatrix(const ByteView& r, qsizetype at);

// Readers of each object, given its whole serialised bytes. Images and
// textures count their pixels against `pixelsLeft`, so that a file cannot
// hold more in its table than one picture may have; regions count the
// outline elements their combinations work on against `elementsLeft`.
Brush ReadBrush(const ByteView& r, long long& pixelsLeft);
Pen ReadPen(const ByteView& r, long long& pixelsLeft);
QPainterPath ReadPath(const ByteView& r);
Region ReadRegion(const ByteView& r, long long& elementsLeft);
Font ReadFont(const ByteView& r);
StringFormat ReadStringFormat(const ByteView& r);
Image ReadImage(const ByteView& r, long long& pixelsLeft);
// The pixels an object holds.
long long PixelsHeld(const Object& object);

// A cardinal spline through `points` with `tension` as Bezier segments
// (start point, then three points a segment); closed joins the last point
// to the first.
QPainterPath CardinalSpline(const QPolygonF& points, double tension, bool closed);

}  // namespace emfplus
