// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing objects and the device context state that metafile records
// create, select and change.

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QTransform>

namespace gdi {

enum PenStyle {
    PenSolid = 0,
    PenDash = 1,
    PenDot = 2,
    PenDashDot = 3,
    PenDashDotDot = 4,
    PenNull = 5,
    PenInsideFrame = 6,
    PenUserStyle = 7,
    PenAlternate = 8
};
inline constexpr int PenStyleMask = 0x0F;
inline constexpr int PenEndCapMask = 0x0F00;
inline constexpr int PenEndCapSquare = 0x0100;
inline constexpr int PenEndCapFlat = 0x0200;
inline constexpr int PenJoinMask = 0xF000;
inline constexpr int PenJoinBevel = 0x1000;
inline constexpr int PenJoinMiter = 0x2000;

enum BrushStyle {
    BrushSolid = 0,
    BrushNull = 1,
    BrushHatched = 2,
    BrushPattern = 3,
    BrushDibPattern = 5,
    BrushDibPatternPt = 6
};

// Hatch styles after the six line patterns that fill solid in the text or
// the background colour (each followed by its dithered twin).
inline constexpr int HatchSolidText = 8;
inline constexpr int HatchSolidBackground = 10;

enum BackgroundMode { Transparent = 1, Opaque = 2 };
enum PolyFillMode { Alternate = 1, Winding = 2 };

enum TextAlign {
    TextUpdateCp = 1,
    TextRight = 2,
    TextCenter = 6,
    TextHorizontalMask = 6,
    TextBottom = 8,
    TextBaseline = 24,
    TextVerticalMask = 24
};
enum TextOptions { TextOpaque = 2, TextClipped = 4 };

enum MapMode {
    MapText = 1,
    MapLoMetric = 2,
    MapHiMetric = 3,
    MapLoEnglish = 4,
    MapHiEnglish = 5,
    MapTwips = 6,
    MapIsotropic = 7,
    MapAnisotropic = 8
};

inline constexpr int StretchHalftone = 4;

// Binary raster operations of pens and brushes.
enum Rop2 {
    RopBlack = 1,
    RopNot = 6,
    RopXorPen = 7,
    RopMaskPen = 9,
    RopNop = 11,
    RopCopyPen = 13,
    RopMergePen = 15,
    RopWhite = 16
};
inline constexpr uint32_t RopSourceCopy = 0x00CC0020;  // a plain copy

enum RegionMode { RegionAnd = 1, RegionOr = 2, RegionXor = 3, RegionDiff = 4, RegionCopy = 5 };


struct Brush {
    Brush() = default;
    explicit Brush(int brushStyle, QColor brushColour = Qt::white, int hatchStyle = 0,
                   QImage patternImage = QImage())
        : style(brushStyle),
          colour(brushColour),
          hatch(hatchStyle),
          pattern(std::move(patternImage)) {}
    int style = BrushSolid;
    QColor colour = Qt::white;
    int hatch = 0;
    QImage pattern;
    // A one-bit pattern drawn in the text colour (0 bits) and the
    // background colour (1 bits) current when it fills.
    bool monochrome = false;
};

struct Pen {
    Pen() = default;
    explicit Pen(int penStyle, double penWidth = 0, QColor penColour = Qt::black)
        : style(penStyle), width(penWidth), colour(penColour) {}
    int style = PenSolid;
    double width = 0;  // logical units; 0 is one device pixel
    QColor colour = Qt::black;
    // A user style's dash and gap lengths in turn, in logical units (device
    // pixels for a pen of width 0).
    QList<double> dashes;
    // What a geometric pen strokes with: its colour, or a hatch or a
    // pattern the way a brush fills.
    Brush stroke{BrushSolid};
};

// A pattern brush of a one-bit bitmap (Format_Mono).
inline Brush MonochromeBrush(QImage bits) {
    Brush brush{BrushPattern, Qt::black, 0, std::move(bits)};
    brush.monochrome = true;
    return brush;
}

struct Font {
    QString face = QStringLiteral("Arial");
    int height = 0;      // logical; negative: character height, positive: cell
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charSet = 1;  // the code page of its eight-bit text; 1: the default
};

// Palettes and regions take a place in the object table but draw nothing.
struct Placeholder {};

using Object = std::variant<Placeholder, Pen, Brush, Font>;

struct State {
    Pen pen;
    Brush brush;
    Font font;
    QColor textColour = Qt::black;
    QColor backgroundColour = Qt::white;
    int backgroundMode = Opaque;
    int textAlign = 0;
    int polyFillMode = Alternate;
    int mapMode = MapText;
    QPointF windowOrigin, viewportOrigin;
    QSizeF windowExtent{1, 1}, viewportExtent{1, 1};
    QTransform world;
    QPointF position;
    double characterExtra = 0;
    int stretchMode = 1;    // HALFTONE (4) smooths stretched bitmaps
    int rop2 = RopCopyPen;  // how pen and brush combine with what is there
    bool arcsClockwise = false;
    // Longest miter join, as a multiple of the pen's width, before the
    // join is bevelled; the platform starts at 10.
    double miterLimit = 10;
    std::optional<QPainterPath> clip;  // in target coordinates; none: unclipped
};

}  // namespace gdi
