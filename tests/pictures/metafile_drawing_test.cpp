// SPDX-License-Identifier: GPL-3.0-or-later
// Shapes, paths and pens in metafiles, drawn as the platform draws them.

#include <gtest/gtest.h>

#include "pictures/metafile/record_numbers.h"
#include "support/image_encoding.h"
#include "support/image_probe.h"
#include "support/metafile_builder.h"

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Red = 0xffff0000;
constexpr int MapAnisotropic = 8;
constexpr qint64 NullPen = 0x80000008;

QImage playEmf(const EmfBuilder& emf) {
    return PlayMetafileInto(emf.build(), QSize(1000, 1000));
}

// A blue pen `width` units wide in slot 1, a red brush in slot 2.
EmfBuilder bluePenRedBrush(int width) {
    EmfBuilder emf;
    emf.record(emf_record::CreatePen, {1, 0, width, 0, 0xFF0000});
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::CreateBrushIndirect, {2, 0, 0x0000FF, 0});
    emf.record(emf_record::SelectObject, {2});
    return emf;
}

Fields polygon16(const QList<QPoint>& points) {
    Fields f;
    f.u32(0).u32(0).u32(0).u32(0).u32(points.size());
    for (QPoint p : points) f.u16(p.x()).u16(p.y());
    return f;
}

// A path of one figure per list, each MoveTo then LineTo to the rest.
void lineFigures(EmfBuilder& emf, const QList<QList<QPoint>>& figures, bool close) {
    for (const auto& figure : figures) {
        emf.record(emf_record::MoveToEx, {figure[0].x(), figure[0].y()});
        for (qsizetype i = 1; i < figure.size(); ++i)
            emf.record(emf_record::LineTo, {figure[i].x(), figure[i].y()});
        if (close) emf.record(emf_record::CloseFigure, {});
    }
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

}  // namespace

TEST(MetafileDrawing, APathOfLinesIsOneFigurePerMoveToClosedByCloseFigure) {
    const QList<QPoint> triangle{{100, 100}, {800, 200}, {300, 700}};
    EmfBuilder polygon = bluePenRedBrush(9);
    polygon.record(emf_record::Polygon16, polygon16(triangle));
    const QImage expected = playEmf(polygon);

    EmfBuilder path = bluePenRedBrush(9);
    path.record(emf_record::BeginPath, {});
    lineFigures(path, {triangle}, true);
    path.record(emf_record::EndPath, {});
    path.record(emf_record::StrokeAndFillPath, {0, 0, 0, 0});
    EXPECT_EQ(differingPixels(playEmf(path), expected), 0);

    // Two figures filled: both triangles red, nothing drawn between them.
    EmfBuilder two = bluePenRedBrush(9);
    two.record(emf_record::BeginPath, {});
    lineFigures(two, {{{100, 100}, {300, 100}, {100, 300}}, {{900, 900}, {700, 900}, {900, 700}}},
                false);
    two.record(emf_record::EndPath, {});
    two.record(emf_record::FillPath, {0, 0, 0, 0});
    const QImage filled = playEmf(two);
    EXPECT_EQ(filled.pixel(150, 150), Red);
    EXPECT_EQ(filled.pixel(850, 850), Red);
    EXPECT_EQ(filled.pixel(500, 500), White);

    // An open figure stroked keeps its segments joined and leaves its
    // closing side undrawn.
    EmfBuilder open = bluePenRedBrush(9);
    open.record(emf_record::BeginPath, {});
    lineFigures(open, {triangle}, false);
    open.record(emf_record::EndPath, {});
    open.record(emf_record::StrokePath, {0, 0, 0, 0});
    const QImage stroked = playEmf(open);
    EXPECT_NE(stroked.pixel(450, 150), White);  // on the first side
    EXPECT_EQ(stroked.pixel(200, 400), White);  // on the closing side, not drawn
}

// Curves and arcs that begin a figure after a MoveTo start it there: no
// line joins it to the figure closed before.
TEST(MetafileDrawing, CurvesAndArcsAfterAMoveToJoinNoEarlierFigure) {
    const auto straight = [](const QList<QPoint>& corners) {
        QList<QPoint> points;  // each side a cubic with its controls on it
        for (qsizetype i = 1; i <= corners.size(); ++i) {
            const QPoint from = corners[i - 1], to = corners[i % corners.size()];
            points << from + (to - from) / 3 << from + (to - from) * 2 / 3 << to;
        }
        return points;
    };
    for (const bool arc : {false, true}) {
        SCOPED_TRACE(arc ? "ArcTo" : "PolyBezierTo");
        EmfBuilder emf = bluePenRedBrush(9);
        emf.record(emf_record::BeginPath, {});
        emf.record(emf_record::MoveToEx, {100, 100});
        emf.record(emf_record::PolyBezierTo16,
                   polygon16(straight({{100, 100}, {300, 100}, {300, 300}})));
        emf.record(emf_record::CloseFigure, {});
        emf.record(emf_record::MoveToEx, {900, 800});
        if (arc)
            emf.record(emf_record::ArcTo, {700, 700, 900, 900, 900, 800, 900, 800});
        else
            emf.record(emf_record::PolyBezierTo16,
                       polygon16(straight({{900, 800}, {700, 800}, {800, 900}})));
        emf.record(emf_record::CloseFigure, {});
        emf.record(emf_record::EndPath, {});
        emf.record(emf_record::StrokeAndFillPath, {0, 0, 0, 0});
        const QImage image = playEmf(emf);
        EXPECT_EQ(image.pixel(250, 150), Red);
        EXPECT_EQ(image.pixel(800, 820), Red);
        // On the line from the first figure's end to the second's start.
        EXPECT_EQ(image.pixel(500, 450), White);
        EXPECT_EQ(image.pixel(700, 650), White);
    }
}

// The platform never draws a pen thinner than one device pixel: it stays a
// full-colour line one pixel wide wherever it falls.
TEST(MetafileDrawing, PensThinnerThanAPixelDrawOnePixelWideAtFullColour) {
    const struct {
        const char* name;
        int width;  // logical units, ten to the device pixel
        int y;      // logical
    } cases[] = {
        {"geometric 1 unit on a pixel edge", 1, 5000},
        {"geometric 1 unit on a pixel centre", 1, 5005},
        {"cosmetic on a pixel edge", 0, 5000},
        {"cosmetic on a pixel centre", 0, 5005},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EmfBuilder emf;
        emf.record(emf_record::SetMapMode, {MapAnisotropic});
        emf.record(emf_record::SetWindowExtEx, {10000, 10000});
        emf.record(emf_record::SetViewportExtEx, {1000, 1000});
        emf.record(emf_record::CreatePen, {1, 0, c.width, 0, 0x0000FF});
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::MoveToEx, {1000, c.y});
        emf.record(emf_record::LineTo, {9000, c.y});
        const QImage image = playEmf(emf);
        const QRect ink = InkBounds(image);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_LE(ink.height(), 1);
        EXPECT_EQ(image.pixel(500, ink.top()), Red);
    }
    // A thin outline around a white box, as chart frames are drawn.
    EmfBuilder box;
    box.record(emf_record::SetMapMode, {MapAnisotropic});
    box.record(emf_record::SetWindowExtEx, {10000, 10000});
    box.record(emf_record::SetViewportExtEx, {1000, 1000});
    box.record(emf_record::CreatePen, {1, 0, 1, 0, 0x0000FF});
    box.record(emf_record::SelectObject, {1});
    box.record(emf_record::Rectangle, {2000, 2000, 8000, 8000});
    const QImage framed = playEmf(box);
    const QRect frame = InkBounds(framed);
    EXPECT_NEAR(frame.width(), 600, 1);
    for (QPoint side : {QPoint(500, frame.top()), QPoint(frame.left(), 500),
                        QPoint(500, frame.bottom()), QPoint(frame.right(), 500)})
        EXPECT_EQ(framed.pixel(side), Red) << side.x() << "," << side.y();
}

// Besides the six line patterns, a hatch style can name a solid colour:
// the brush's own, the text colour or the background colour.
TEST(MetafileDrawing, HatchStylesBeyondTheSixPatternsFillSolid) {
    constexpr uint32_t BrushHatched = 2;
    constexpr QRgb Green = 0xff00ff00, Blue = 0xff0000ff;
    const struct {
        int hatch;
        QRgb colour;
    } cases[] = {{6, Red}, {7, Red}, {8, Green}, {9, Green}, {10, Blue}, {11, Blue}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hatch);
        EmfBuilder emf;
        emf.record(emf_record::SetTextColor, {0x00FF00});
        emf.record(emf_record::SetBkColor, {0xFF0000});
        emf.record(emf_record::CreateBrushIndirect, {1, BrushHatched, 0x0000FF, c.hatch});
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::SelectObject, {NullPen});
        emf.record(emf_record::Rectangle, {100, 100, 300, 300});
        EXPECT_TRUE(AllPixels(playEmf(emf), QRect(110, 110, 180, 180), c.colour));
    }
}

// Bitmaps whose colour table is shorter than their depth allows: counted
// in the header, or only cut short by the size the record gives it.
TEST(MetafileDrawing, BitmapsWithAShortColourTableAreDrawn) {
    constexpr QRgb Blue = 0xff0000ff;
    constexpr int TwoColourHeader = 40 + 2 * 4;
    for (int bits : {1, 4, 8}) {
        for (bool counted : {true, false}) {
            SCOPED_TRACE(testing::Message() << bits << (counted ? " counted" : " cut short"));
            QByteArray dib = TwoByTwoDib(bits, false, 2);
            if (!counted) dib.replace(32, 4, QByteArray(4, '\0'));  // colours used: all
            EmfBuilder emf;
            emf.record(81, StretchDiBits(dib, QRect(100, 100, 400, 400), 0x00CC0020,
                                         counted ? 0 : TwoColourHeader));
            const QImage image = playEmf(emf);
            EXPECT_EQ(InkBounds(image), QRect(100, 100, 400, 400));
            EXPECT_EQ(image.pixel(150, 150), Red);
            EXPECT_EQ(image.pixel(450, 450), Blue);
        }
    }
}

// A bitmap drawn "transparent" as XOR, AND with a mask, XOR again leaves
// the background exactly as it was where the mask is white, edges too.
TEST(MetafileDrawing, TheXorAndXorIdiomLeavesNoFrame) {
    constexpr uint32_t SrcInvert = 0x00660046, SrcAnd = 0x008800C6;
    constexpr QRgb Background = 0xff20a060;
    EmfBuilder emf;
    emf.record(emf_record::CreateBrushIndirect, {1, 0, 0x60A020, 0});
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::SelectObject, {NullPen});
    emf.record(emf_record::Rectangle, {0, 0, 1000, 1000});
    // Three logical units to the pixel, so the bitmap's edges fall inside
    // pixels.
    emf.record(emf_record::SetMapMode, {MapAnisotropic});
    emf.record(emf_record::SetWindowExtEx, {3000, 3000});
    emf.record(emf_record::SetViewportExtEx, {1000, 1000});
    const QRect target(301, 302, 1000, 1001);
    const QByteArray picture = TwoByTwoDib(24);
    emf.record(81, StretchDiBits(picture, target, SrcInvert));
    emf.record(81, StretchDiBits(OnePixelDib(0xffffff), target, SrcAnd));
    emf.record(81, StretchDiBits(picture, target, SrcInvert));
    // Also in the 24-bit raster the picture loader draws into.
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        const QImage image = PlayMetafileInto(emf.build(), QSize(1000, 1000), format);
        int changed = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) changed += image.pixel(x, y) != Background;
        EXPECT_EQ(changed, 0) << format;
    }
}

// A pattern brush repeats its bitmap in target pixels, whatever the
// mapping, as the platform repeats it in device pixels.
TEST(MetafileDrawing, PatternBrushesRepeatTheirBitmapPixelForPixel) {
    constexpr QRgb Blue = 0xff0000ff;
    const QByteArray dib = TwoByTwoDib(24);
    constexpr int HeaderSize = 40, DataAt = 32;
    Fields brush;
    brush.u32(1).u32(0).u32(DataAt).u32(HeaderSize).u32(DataAt + HeaderSize);
    brush.u32(dib.size() - HeaderSize).bytes(dib);
    EmfBuilder emf;
    emf.record(emf_record::SetMapMode, {MapAnisotropic});
    emf.record(emf_record::SetWindowExtEx, {10000, 10000});
    emf.record(emf_record::SetViewportExtEx, {1000, 1000});
    emf.record(emf_record::CreateDibPatternBrushPt, brush);
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::SelectObject, {NullPen});
    emf.record(emf_record::Rectangle, {1000, 1000, 9000, 9000});
    const QImage image = playEmf(emf);
    const QRect block(400, 400, 20, 20);
    EXPECT_EQ(PixelsOfColour(image.copy(block), Red).size(), 100);
    EXPECT_EQ(PixelsOfColour(image.copy(block), Blue).size(), 300);
}

// In a Windows metafile the bitmap's colour table is known only from the
// header and from the pixels that must follow it.
TEST(MetafileDrawing, WmfBitmapsWithAShortColourTableAreDrawn) {
    constexpr QRgb Blue = 0xff0000ff;
    QByteArray dib = TwoByTwoDib(8, false, 2);
    dib.replace(32, 4, QByteArray(4, '\0'));  // colours used: all, yet only two follow
    WmfBuilder wmf;
    wmf.record(0x020C, {100, 100});  // SetWindowExt
    Fields stretch;
    stretch.u32(0x00CC0020).u16(0);       // copy; colours are RGB
    stretch.u16(2).u16(2).u16(0).u16(0);  // source height, width, y, x
    stretch.u16(50).u16(50).u16(25).u16(25).bytes(dib);
    wmf.record(0x0F43, stretch);  // StretchDIB
    const QImage image = PlayMetafileInto(wmf.build(QRect(0, 0, 100, 100), 96), QSize(200, 200));
    EXPECT_EQ(InkBounds(image), QRect(50, 50, 100, 100));
    EXPECT_EQ(image.pixel(60, 60), Red);
    EXPECT_EQ(image.pixel(140, 140), Blue);
}

// Found by fuzzing: a blit with a negative height is drawn mirrored, and
// Qt's unsmoothed scaling onto the mirrored axes read past the bitmap.
TEST(MetafileDrawing, BlitsWithANegativeExtentDrawTheBitmapMirrored) {
    constexpr QRgb Blue = 0xff0000ff;
    WmfBuilder wmf;
    wmf.record(0x020C, {100, 100});  // SetWindowExt
    Fields blit;
    blit.u32(0x00CC0020).u16(0).u16(0);                          // copy, from the source's corner
    blit.u16(-2).u16(2).u16(50).u16(40).bytes(TwoByTwoDib(24));  // height, width, y, x
    wmf.record(0x0940, blit);                                    // DibBitBlt
    const QImage image = PlayMetafileInto(wmf.build(QRect(0, 0, 100, 100), 96), QSize(200, 200));
    EXPECT_EQ(InkBounds(image), QRect(80, 96, 4, 4));
    EXPECT_EQ(image.pixel(81, 98), Red);  // the top row, now at the bottom
    EXPECT_EQ(image.pixel(83, 98), Blue);
    EXPECT_EQ(image.pixel(81, 97), Blue);
}

// A one-bit pattern brush paints its 0 bits in the text colour and its 1
// bits in the background colour, even in transparent background mode; the
// colours are those current when it fills.
TEST(MetafileDrawing, MonochromeBrushesTakeTheTextAndBackgroundColours) {
    constexpr QRgb Blue = 0xff0000ff;
    EmfBuilder emf;
    // rows all 0 and all 1 in turn
    emf.record(emf_record::CreateMonoBrush,
               MonoBrush(1, {0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF}));
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::SelectObject, {NullPen});
    emf.record(emf_record::SetBkMode, {1});  // transparent
    emf.record(emf_record::SetTextColor, {0x0000FF});
    emf.record(emf_record::SetBkColor, {0xFF0000});
    emf.record(emf_record::Rectangle, {100, 100, 500, 500});
    const QImage drawn = playEmf(emf).copy(200, 200, 16, 16);
    EXPECT_EQ(PixelsOfColour(drawn, Red).size(), 128);
    EXPECT_EQ(PixelsOfColour(drawn, Blue).size(), 128);

    // The old metafiles' pattern brush: a one-bit bitmap, 18 bytes reserved,
    // then its rows.
    WmfBuilder wmf;
    wmf.record(0x020C, {100, 100});  // SetWindowExt
    Fields pattern;
    pattern.u16(0).u16(8).u16(8).u16(2).bytes(QByteArray("\x01\x01", 2)).u32(0);
    pattern.bytes(QByteArray(18, '\0'));
    for (int row = 0; row < 8; ++row) pattern.u16(row % 2 ? 0xFFFF : 0);
    wmf.record(0x01F9, pattern);           // CreatePatternBrush
    wmf.record(0x012D, {0});               // SelectObject
    wmf.record(0x0209, {0x00FF, 0});       // SetTextColor: red
    wmf.record(0x0201, {0, 0x00FF});       // SetBkColor: blue
    wmf.record(0x041B, {90, 90, 10, 10});  // Rectangle: bottom, right, top, left
    const QImage old = PlayMetafileInto(wmf.build(QRect(0, 0, 100, 100), 96), QSize(200, 200));
    const QImage inside = old.copy(60, 60, 16, 16);
    EXPECT_EQ(PixelsOfColour(inside, Red).size(), 128);
    EXPECT_EQ(PixelsOfColour(inside, Blue).size(), 128);
}

// A gradient triangle shades between its corners' colours.
TEST(MetafileDrawing, GradientTrianglesShadeBetweenTheirCorners) {
    const QList<QPair<QPoint, QRgb>> corners{
        {{100, 900}, 0xffff0000}, {{900, 900}, 0xff00ff00}, {{500, 100}, 0xff0000ff}};
    EmfBuilder emf;
    emf.record(emf_record::GradientFill, GradientTriangle(corners));
    const QImage image = playEmf(emf);
    // Just inside each corner its own colour; at the centre of gravity the mean.
    const auto near = [](QRgb a, QRgb b, int tolerance) {
        return std::abs(qRed(a) - qRed(b)) <= tolerance &&
               std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
               std::abs(qBlue(a) - qBlue(b)) <= tolerance;
    };
    EXPECT_TRUE(near(image.pixel(115, 892), 0xffff0000, 12)) << std::hex << image.pixel(115, 892);
    EXPECT_TRUE(near(image.pixel(885, 892), 0xff00ff00, 12)) << std::hex << image.pixel(885, 892);
    EXPECT_TRUE(near(image.pixel(500, 115), 0xff0000ff, 12)) << std::hex << image.pixel(500, 115);
    EXPECT_TRUE(near(image.pixel(500, 633), qRgb(85, 85, 85), 3))
        << std::hex << image.pixel(500, 633);
    EXPECT_EQ(image.pixel(150, 300), White);  // outside
}

namespace {
// AlphaBlend and TransparentBlt parameters: the whole of `dib` (a 40-byte
// header, no colours) into `target`, `mode` in place of a raster operation.
Fields BlendedBlit(QRect target, uint32_t mode, const QByteArray& dib) {
    constexpr int HeaderSize = 40, DataAt = 108;
    Fields f;
    f.u32(0).u32(0).u32(0).u32(0);  // bounds
    f.u32(target.x()).u32(target.y()).u32(target.width()).u32(target.height()).u32(mode);
    f.u32(0).u32(0).f32(1).f32(0).f32(0).f32(1).f32(0).f32(0);  // source corner, transform
    f.u32(0).u32(0);                                            // background colour, RGB colours
    f.u32(DataAt).u32(HeaderSize).u32(DataAt + HeaderSize).u32(dib.size() - HeaderSize);
    f.u32(2).u32(2).bytes(dib);  // source size, bitmap
    return f;
}
}  // namespace

// Blends: per-pixel alpha (premultiplied), a constant alpha, and a
// transparent colour each let the red below show where they say.
TEST(MetafileDrawing, AlphaBlendAndTransparentBltBlendOntoWhatIsThere) {
    constexpr uint32_t PerPixel = 0x01FF0000, HalfConstant = 0x00800000;  // format, alpha, 0, op
    // 2 x 2, 32 bits: blue at half alpha (premultiplied) in every pixel.
    Fields halfBlue;
    halfBlue.u32(40).u32(2).u32(2).u16(1).u16(32).u32(0).u32(16).u32(0).u32(0).u32(0).u32(0);
    for (int i = 0; i < 4; ++i) halfBlue.u32(0x80000080);
    const struct {
        const char* name;
        uint32_t type, mode;
        QByteArray dib;
        QRgb centre;   // at the top-left pixel's place
        QRgb outside;  // at the bottom-right pixel's place
    } cases[] = {
        {"per-pixel alpha", emf_record::AlphaBlend, PerPixel, halfBlue.data(), qRgb(127, 0, 128),
         qRgb(127, 0, 128)},
        {"constant alpha", emf_record::AlphaBlend, HalfConstant, TwoByTwoDib(24), qRgb(255, 0, 0),
         qRgb(127, 0, 128)},
        {"transparent red", emf_record::TransparentBlt, 0x0000FF, TwoByTwoDib(24), Red,
         qRgb(0, 0, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EmfBuilder emf = bluePenRedBrush(1);
        emf.record(emf_record::SelectObject, {NullPen});
        emf.record(emf_record::Rectangle, {0, 0, 1000, 1000});
        emf.record(c.type, BlendedBlit(QRect(100, 100, 800, 800), c.mode, c.dib));
        const QImage image = playEmf(emf);
        for (const auto& [at, expected] :
             {std::pair{QPoint(300, 300), c.centre}, std::pair{QPoint(700, 700), c.outside}}) {
            const QRgb got = image.pixel(at);
            EXPECT_LE(std::abs(qRed(got) - qRed(expected)), 2) << std::hex << got;
            EXPECT_LE(std::abs(qGreen(got) - qGreen(expected)), 2) << std::hex << got;
            EXPECT_LE(std::abs(qBlue(got) - qBlue(expected)), 2) << std::hex << got;
        }
    }
}

// A pen of the user style dashes as its entries say, in logical units: a
// wide one on the target and a thin one drawn a pixel wide alike.
TEST(MetafileDrawing, UserStyledPensDashAsTheirEntriesSay) {
    constexpr int Geometric = 0x00010000, UserStyle = 7, FlatCaps = 0x0200;
    for (const int width : {40, 5}) {  // logical units, ten to the pixel
        SCOPED_TRACE(width);
        Fields pen;
        pen.u32(1).u32(0).u32(0).u32(0).u32(0);  // slot, no bitmap
        pen.u32(Geometric | UserStyle | FlatCaps).u32(width).u32(0).u32(0x0000FF).u32(0);
        pen.u32(2).u32(600).u32(400);  // 60 pixels drawn, 40 left out
        EmfBuilder emf;
        emf.record(emf_record::SetMapMode, {MapAnisotropic});
        emf.record(emf_record::SetWindowExtEx, {10000, 10000});
        emf.record(emf_record::SetViewportExtEx, {1000, 1000});
        emf.record(emf_record::ExtCreatePen, pen);
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::MoveToEx, {1000, 5000});
        emf.record(emf_record::LineTo, {9000, 5000});
        const QImage image = playEmf(emf);
        // Along the line: dashes from 100 to 160, 200 to 260, ...
        for (int x : {110, 150, 210, 250, 710}) EXPECT_EQ(image.pixel(x, 500), Red) << x;
        for (int x : {170, 190, 270, 290, 790}) EXPECT_EQ(image.pixel(x, 500), White) << x;
    }
}

// A thick pen made with a hatch or a pattern strokes with it, not solid.
TEST(MetafileDrawing, ThickPensWithAHatchStrokeWithIt) {
    constexpr int Geometric = 0x00010000, CrossHatch = 4;
    const QByteArray dib = TwoByTwoDib(24);      // red and blue
    for (const int brushStyle : {2, 3, 5, 6}) {  // hatched, pattern, the two DIB patterns
        Fields pen;
        pen.u32(1).u32(52).u32(40).u32(92).u32(dib.size() - 40);  // slot, the bitmap's place
        pen.u32(Geometric).u32(60).u32(brushStyle).u32(0x0000FF).u32(CrossHatch).u32(0);
        EmfBuilder emf;
        emf.record(emf_record::ExtCreatePen, pen.bytes(dib));
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::MoveToEx, {100, 500});
        emf.record(emf_record::LineTo, {900, 500});
        const QImage image = playEmf(emf);
        int red = 0, other = 0;
        for (int x = 200; x < 800; ++x) (image.pixel(x, 500 + x % 20) == Red ? red : other) += 1;
        EXPECT_GT(red, 0) << brushStyle;
        EXPECT_GT(other, 0) << brushStyle << ": the stroke is solid";
    }
}

// PolyDraw builds the figures its point types say, as the records it stands
// for would: filled inside a path, stroked outside one; a malformed list
// draws nothing at all.
TEST(MetafileDrawing, PolyDrawDrawsTheFiguresItsPointTypesSay) {
    constexpr uint8_t MoveTo = 6, LineTo = 2, BezierTo = 4, Close = 1;
    // A box with a curved top, then a triangle.
    const QList<QPair<QPoint, uint8_t>> typed{
        {{100, 300}, MoveTo},        {{200, 100}, BezierTo}, {{400, 100}, BezierTo},
        {{500, 300}, BezierTo},      {{500, 600}, LineTo},   {{100, 600}, LineTo | Close},
        {{700, 700}, MoveTo},        {{900, 700}, LineTo},   {{800, 900}, LineTo | Close}};
    // The same figures record by record; outside a path a closing line.
    const auto recordByRecord = [](EmfBuilder& emf, bool inPath) {
        emf.record(emf_record::MoveToEx, {100, 300});
        emf.record(emf_record::PolyBezierTo16, polygon16({{200, 100}, {400, 100}, {500, 300}}));
        emf.record(emf_record::LineTo, {500, 600});
        emf.record(emf_record::LineTo, {100, 600});
        inPath ? emf.record(emf_record::CloseFigure, {})
               : emf.record(emf_record::LineTo, {100, 300});
        lineFigures(emf, {{{700, 700}, {900, 700}, {800, 900}}}, false);
        inPath ? emf.record(emf_record::CloseFigure, {})
               : emf.record(emf_record::LineTo, {700, 700});
    };
    for (const bool inPath : {true, false}) {
        SCOPED_TRACE(inPath ? "in a path" : "outside a path");
        // Outside a path a one-pixel pen, so that a closed figure's join and
        // two lines' caps cover the same pixels.
        const int width = inPath ? 9 : 0;
        EmfBuilder expected = bluePenRedBrush(width), drawn = bluePenRedBrush(width);
        if (inPath) {
            expected.record(emf_record::BeginPath, {});
            drawn.record(emf_record::BeginPath, {});
        }
        recordByRecord(expected, inPath);
        drawn.record(emf_record::PolyDraw16, PolyDraw16(typed));
        if (inPath) {
            for (EmfBuilder* emf : {&expected, &drawn}) {
                emf->record(emf_record::EndPath, {});
                emf->record(emf_record::StrokeAndFillPath, {0, 0, 0, 0});
            }
        }
        const QImage want = playEmf(expected);
        EXPECT_NE(want.pixel(300, inPath ? 400 : 600), White);
        EXPECT_EQ(differingPixels(playEmf(drawn), want), 0);
    }
    EmfBuilder malformed = bluePenRedBrush(9);
    malformed.record(emf_record::PolyDraw16,
                     PolyDraw16({{{100, 100}, MoveTo}, {{500, 100}, LineTo}, {{500, 500}, BezierTo},
                               {{100, 500}, BezierTo}}));
    EXPECT_TRUE(InkBounds(playEmf(malformed)).isEmpty());
}

// A miter join reaches its full point while it is no longer than the miter
// limit (10 pen widths unless set) and is bevelled beyond it.
TEST(MetafileDrawing, MiterJoinsReachTheirPointWithinTheMiterLimit) {
    constexpr int Geometric = 0x00010000, MiterJoin = 0x2000, FlatCaps = 0x0200;
    // A 20-degree V, its point at (500, 200), drawn 40 pixels wide: the
    // miter is 5.8 widths long and ends 115 pixels above the point.
    for (const int limit : {0, 4}) {  // 0: as the platform starts
        SCOPED_TRACE(limit);
        Fields pen;
        pen.u32(1).u32(0).u32(0).u32(0).u32(0);
        pen.u32(Geometric | MiterJoin | FlatCaps).u32(40).u32(0).u32(0x0000FF).u32(0).u32(0);
        EmfBuilder emf;
        emf.record(emf_record::ExtCreatePen, pen);
        emf.record(emf_record::SelectObject, {1});
        if (limit) emf.record(emf_record::SetMiterLimit, {limit});
        emf.record(emf_record::Polyline16, polygon16({{447, 500}, {500, 200}, {553, 500}}));
        const QImage image = playEmf(emf);
        EXPECT_EQ(image.pixel(500, 100) != White, limit == 0);
        EXPECT_EQ(image.pixel(500, 175) != White, limit == 0);
        EXPECT_NE(image.pixel(500, 205), White);
    }
}

// WidenPath turns the ended path into the outline of its stroke, which
// FillPath then fills.
TEST(MetafileDrawing, AWidenedPathFillsWhereItsStrokeWouldBe) {
    EmfBuilder emf = bluePenRedBrush(40);
    emf.record(emf_record::BeginPath, {});
    lineFigures(emf, {{{100, 700}, {400, 700}}}, false);
    emf.record(emf_record::EndPath, {});
    emf.record(emf_record::WidenPath, {});
    emf.record(emf_record::FillPath, {0, 0, 0, 0});
    const QImage image = playEmf(emf);
    EXPECT_EQ(image.pixel(250, 685), Red);
    EXPECT_EQ(image.pixel(250, 715), Red);
    EXPECT_EQ(image.pixel(250, 730), White);
}

namespace {

constexpr qint64 OpaqueRed = 0xFFFF0000;
constexpr uint16_t ColourBrush = 0x8000, Compressed = 0x4000, Relative = 0x0800;

Fields floats(std::initializer_list<float> values) {
    Fields f;
    for (float v : values) f.f32(v);
    return f;
}

// FillRects of one rectangle in a colour.
Fields colourRectangle(qint64 colour, QRectF box) {
    return Fields().u32(colour).u32(1).bytes(
        floats({float(box.x()), float(box.y()), float(box.width()), float(box.height())}).data());
}

// A path object of a square 400 units wide at (300, 300), as a header and
// points, then its point types.
QByteArray squarePath() {
    Fields path;
    path.u32(0xDBC01002).u32(4).u32(0);
    path.bytes(floats({300, 300, 700, 300, 700, 700, 300, 700}).data());
    path.bytes(QByteArray("\x00\x01\x01\x81", 4));
    return path.data();
}

QImage playPlus(const EmfPlusRecords& plus, EmfBuilder emf = EmfBuilder()) {
    emf.record(emf_record::Comment, plus.comment());
    return playEmf(emf);
}

}  // namespace

TEST(MetafileDrawing, EmfPlusRecordsDrawTheirShapesTransformsAndClips) {
    const QByteArray path = squarePath();
    const Fields redPen = Fields().u32(0xDBC01002).u32(0).u32(0).u32(0).f32(40).u32(0xDBC01002)
                              .u32(0).u32(OpaqueRed);
    // Red images onto (100, 100, 200, 200): a bitmap (1) or a metafile (2).
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QByteArray wmf = WmfBuilder().record(0x02FC, Fields().u16(0).u32(0xFF).u16(0))
                               .record(0x012D, {0}).record(0x0418, {10, 10, 0, 0})
                               .build({0, 0, 10, 10}, 96);  // a red brush's rectangle
    const auto image = [](const Fields& object) {
        const Fields versioned = Fields().u32(0xDBC01002).bytes(object.data());
        return EmfPlusRecords().record(emfplus_record::ObjectRecord, 0x500 | 3, versioned)
            .record(emfplus_record::DrawImage, 3, floats({0, 0, 0, 0, 10, 10, 100, 100, 200, 200}));
    };
    const struct {
        const char* what;
        EmfPlusRecords records;
        QPoint red, white;
    } cases[] = {
        {"a rectangle in a colour",
         EmfPlusRecords().record(emfplus_record::FillRects, ColourBrush,
                                 colourRectangle(OpaqueRed, {100, 100, 200, 200})),
         {200, 200},
         {350, 200}},
        {"lines with a pen object",
         EmfPlusRecords()
             .record(emfplus_record::ObjectRecord, 0x0200 | 1, redPen)
             .record(emfplus_record::DrawLines, 1,
                     Fields().u32(2).bytes(floats({100, 500, 900, 500}).data())),
         {500, 510},
         {500, 560}},
        {"16-bit points",
         EmfPlusRecords().record(
             emfplus_record::FillPolygon, ColourBrush | Compressed,
             Fields().u32(OpaqueRed).u32(3).u16(100).u16(100).u16(900).u16(100).u16(100).u16(900)),
         {200, 200},
         {800, 800}},
        {"relative points of one and two bytes",
         EmfPlusRecords().record(emfplus_record::FillPolygon, ColourBrush | Relative,
                                 Fields().u32(OpaqueRed).u32(3).bytes(QByteArray(
                                     "\x80\x64\x80\x64\x83\x20\x00\xfc\xe0\x83\x20", 11))),
         {200, 200},
         {800, 800}},
        {"a pie turning clockwise from its start",
         EmfPlusRecords().record(
             emfplus_record::FillPie, ColourBrush,
             Fields().u32(OpaqueRed).f32(0).f32(90).bytes(floats({100, 100, 800, 800}).data())),
         {600, 600},
         {600, 400}},
        {"a path object in two parts",
         EmfPlusRecords()
             .record(emfplus_record::ObjectRecord, 0x8000 | 0x0300 | 2,
                     Fields().u32(path.size()).bytes(path.left(20)))
             .record(emfplus_record::ObjectRecord, 0x0300 | 2, Fields().bytes(path.mid(20)))
             .record(emfplus_record::FillPath, ColourBrush | 2, Fields().u32(OpaqueRed)),
         {500, 500},
         {200, 500}},
        {"a world moved, saved and restored",
         EmfPlusRecords()
             .record(emfplus_record::Save, 0, Fields().u32(7))
             .record(emfplus_record::TranslateWorldTransform, 0, floats({500, 0}))
             .record(emfplus_record::FillRects, ColourBrush,
                     colourRectangle(OpaqueRed, {100, 100, 200, 200}))
             .record(emfplus_record::Restore, 0, Fields().u32(7))
             .record(emfplus_record::FillRects, ColourBrush,
                     colourRectangle(OpaqueRed, {100, 600, 200, 200})),
         {700, 200},
         {200, 200}},
        {"a clip rectangle intersected",
         EmfPlusRecords()
             .record(emfplus_record::SetClipRect, 1 << 8, floats({0, 0, 500, 1000}))
             .record(emfplus_record::FillRects, ColourBrush,
                     colourRectangle(OpaqueRed, {0, 0, 1000, 1000})),
         {300, 500},
         {700, 500}},
        {"a PNG whose bitmap fields are left zero",
         image(Fields().u32(1).u32(0).u32(0).u32(0).u32(0).u32(1).bytes(EncodeImage(red, "png"))),
         {200, 200},
         {350, 200}},
        {"a placeable WMF",
         image(Fields().u32(2).u32(2).u32(wmf.size()).bytes(wmf)),
         {200, 200},
         {350, 200}},
    };
    for (const auto& c : cases) {
        const QImage drawn = playPlus(c.records);
        EXPECT_EQ(drawn.pixel(c.red), Red) << c.what;
        EXPECT_EQ(drawn.pixel(c.white), White) << c.what;
    }
}

TEST(MetafileDrawing, DualFilesDrawTheirEmfPlusRecordsAndTheOlderOnesOnlyAfterGetDc) {
    // EMF+ fills red where the older records fill blue, then hands the
    // device over to them for a second rectangle.
    const auto dual = [](bool dualHeader, uint16_t lastPlusRecord) {
        EmfBuilder emf = bluePenRedBrush(1);
        emf.record(emf_record::CreateBrushIndirect, {3, 0, 0xFF0000, 0})
            .record(emf_record::SelectObject, {3});
        emf.record(emf_record::Comment, EmfPlusRecords(dualHeader)
                                   .record(emfplus_record::FillRects, ColourBrush,
                                           colourRectangle(OpaqueRed, {100, 100, 200, 200}))
                                   .comment());
        emf.record(emf_record::Rectangle, {100, 100, 300, 300});
        emf.record(emf_record::Comment,
                   EmfPlusRecords(dualHeader).record(lastPlusRecord, 0).comment());
        emf.record(emf_record::Rectangle, {600, 600, 800, 800});
        return playEmf(emf);
    };
    const QImage handedOver = dual(true, emfplus_record::GetDc);
    EXPECT_EQ(handedOver.pixel(200, 200), Red);
    EXPECT_EQ(handedOver.pixel(700, 700), 0xff0000ffu);
    EXPECT_EQ(dual(true, emfplus_record::Save).pixel(700, 700), White);
    // In a dual file only, the older records draw for a record that could not.
    EXPECT_EQ(dual(true, emfplus_record::FillPath).pixel(700, 700), 0xff0000ffu);
    EXPECT_EQ(dual(false, emfplus_record::FillPath).pixel(700, 700), White);
    // A drawing record this player lacks: the older records show the picture.
    const QImage older = dual(true, emfplus_record::StrokeFillPath);
    EXPECT_EQ(older.pixel(200, 200), 0xff0000ffu);
    EXPECT_EQ(older.pixel(700, 700), 0xff0000ffu);
}
