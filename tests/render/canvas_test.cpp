// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include "render/canvas.h"
#include "support/image_probe.h"
#include "support/qt_printers.h"

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Red = 0xffff0000;

QImage solidImage(QRgb colour, int width = 2, int height = 2) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Paints the whole canvas black, so that what a step leaves untouched shows.
void blacken(Canvas& canvas) {
    canvas.stretchDraw(QRect(0, 0, canvas.width(), canvas.height()), solidImage(Black));
}

}  // namespace

TEST(Canvas, StartsWhiteWithSolidBrushBlackPenAndScreenResolution) {
    Canvas canvas(30, 20);
    EXPECT_EQ(canvas.image().size(), QSize(30, 20));
    EXPECT_TRUE(AllPixels(canvas.image(), canvas.image().rect(), White));
    EXPECT_EQ(canvas.brushStyle, BrushStyle::Solid);
    EXPECT_EQ(canvas.pen.color.rgb(), Black);
    EXPECT_EQ(canvas.pen.width, 1);
    EXPECT_EQ(canvas.image().logicalDpiY(), 96);
}

TEST(Canvas, LinesLeaveOutTheirEndPixelAndChainsContinueFromIt) {
    Canvas canvas(20, 20);
    canvas.pen.color = QColor(Qt::red);
    canvas.moveTo(2, 2);
    canvas.lineTo(10, 2);
    canvas.lineTo(10, 8);
    canvas.moveTo(15, 15);
    canvas.lineTo(12, 12);

    QList<QPoint> expected;
    for (int y = 2; y <= 7; ++y)
        for (int x = 2; x <= 10; ++x)
            if (y == 2 || x == 10) expected << QPoint(x, y);  // (10, 2) starts the second line
    for (int i = 3; i >= 1; --i) expected << QPoint(12 + i, 12 + i);
    std::sort(expected.begin(), expected.end(),
              [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    EXPECT_EQ(PixelsOfColour(canvas.image(), Red), expected);
}

TEST(Canvas, RectangleHasAPenBorderAndABrushInside) {
    Canvas canvas(20, 20);
    canvas.pen.color = QColor(Qt::red);
    blacken(canvas);
    canvas.rectangle(2, 3, 10, 8);
    EXPECT_EQ(canvas.image().pixel(1, 2), Black);  // outside stays as it was
    const QList<QPoint> border = PixelsOfColour(canvas.image(), Red);
    EXPECT_EQ(border.size(), 2 * 8 + 2 * 3);
    for (QPoint p : border)
        EXPECT_TRUE(p.x() == 2 || p.x() == 9 || p.y() == 3 || p.y() == 7) << p.x() << "," << p.y();
    EXPECT_TRUE(AllPixels(canvas.image(), QRect(3, 4, 6, 3), White));
    EXPECT_EQ(canvas.image().pixel(10, 5), Black);

    canvas.brushStyle = BrushStyle::Clear;
    blacken(canvas);
    canvas.rectangle(2, 3, 10, 8);
    EXPECT_TRUE(AllPixels(canvas.image(), QRect(3, 4, 6, 3), Black));
    EXPECT_EQ(PixelsOfColour(canvas.image(), Red).size(), border.size());
}

TEST(Canvas, FillingPaintsWhiteOnlyWithASolidBrush) {
    Canvas canvas(10, 10);
    blacken(canvas);
    canvas.brushStyle = BrushStyle::Clear;
    canvas.fillSurface();
    EXPECT_TRUE(AllPixels(canvas.image(), canvas.image().rect(), Black));
    canvas.brushStyle = BrushStyle::Solid;
    canvas.fillSurface();
    EXPECT_TRUE(AllPixels(canvas.image(), canvas.image().rect(), White));
}

TEST(Canvas, FontSizesAreCharacterHeightsAtNinetySixPixelsPerInch) {
    Canvas canvas(10, 10);
    EXPECT_EQ(canvas.characterHeight(50), 67);
    EXPECT_EQ(canvas.characterHeight(8), 11);
    EXPECT_EQ(canvas.characterHeight(1), 1);
    canvas.font.size = 50;
    EXPECT_EQ(canvas.textHeight(QStringLiteral("Xy")), 75);
    EXPECT_EQ(canvas.textHeight(QString()), 75);
    EXPECT_GT(canvas.textWidth(QStringLiteral("WWW")), canvas.textWidth(QStringLiteral("iii")));
    EXPECT_EQ(canvas.textWidth(QString()), 0);
}

TEST(Canvas, SolidBrushTextFillsItsCellWhiteAndClearBrushTextDoesNot) {
    Canvas canvas(200, 60);
    canvas.font.size = 20;
    canvas.font.color = QColor(Qt::red);
    const QString text = QStringLiteral("Track");
    const QRect cell(10, 5, canvas.textWidth(text), canvas.textHeight(text));

    blacken(canvas);
    canvas.textOut(cell.x(), cell.y(), text);
    EXPECT_EQ(canvas.image().pixel(cell.topLeft()), White);
    EXPECT_EQ(canvas.image().pixel(cell.bottomRight()), White);
    EXPECT_EQ(canvas.image().pixel(cell.right() + 1, cell.top()), Black);
    EXPECT_FALSE(PixelsOfColour(canvas.image(), Red).isEmpty());
    for (QPoint p : PixelsOfColour(canvas.image(), Red)) EXPECT_TRUE(cell.contains(p));

    canvas.brushStyle = BrushStyle::Clear;
    blacken(canvas);
    canvas.textOut(cell.x(), cell.y(), text);
    EXPECT_EQ(canvas.image().pixel(cell.topLeft()), Black);
    EXPECT_EQ(canvas.image().pixel(cell.bottomRight()), Black);
    EXPECT_FALSE(PixelsOfColour(canvas.image(), Red).isEmpty());
}

// The underscore sits below the baseline, so its ink shows which way the
// letters' feet point.
TEST(Canvas, RotatedTextTurnsItsCellAboutTheTopLeftCorner) {
    const QString text = QStringLiteral("Artist: Title");
    const QString feet = QStringLiteral("____");

    Canvas left(22, 353);
    left.font.size = 14;
    const int w = left.textWidth(text);
    const int h = left.textHeight(text);
    left.font.escapement = 900;
    const int y0 = 353 / 2 + w / 2;
    left.textOut(1, y0, text);
    const QRect leftInk = InkBounds(left.image());
    EXPECT_TRUE(QRect(1, y0 - w, h, w + 1).contains(leftInk)) << leftInk.x() << "," << leftInk.y();
    EXPECT_GT(leftInk.height(), w * 8 / 10);  // runs along the spine

    Canvas leftFeet(22, 353);
    leftFeet.font = left.font;
    leftFeet.textOut(1, y0, feet);
    // Reading upward, tops toward x = 0: the feet lie toward the right.
    EXPECT_GT(InkBounds(leftFeet.image()).left(), 1 + h / 2);

    Canvas right(22, 353);
    right.font.size = 14;
    right.font.escapement = -900;
    const int y1 = 353 / 2 - w / 2;
    right.textOut(21, y1, text);
    const QRect rightInk = InkBounds(right.image());
    EXPECT_TRUE(QRect(21 - h, y1, h + 1, w + 1).contains(rightInk))
        << rightInk.x() << "," << rightInk.y();
    EXPECT_GT(rightInk.height(), w * 8 / 10);

    Canvas rightFeet(22, 353);
    rightFeet.font = right.font;
    rightFeet.textOut(21, y1, feet);
    // Reading downward, tops toward the right edge: the feet lie toward x = 0.
    EXPECT_LT(InkBounds(rightFeet.image()).right(), 21 - h / 2);
}

TEST(Canvas, StretchAndCopyLandInTheirRectangles) {
    Canvas overlay(442, 353);
    overlay.stretchDraw(QRect(10, 20, 30, 40), solidImage(Red));
    EXPECT_EQ(InkBounds(overlay.image()), QRect(10, 20, 30, 40));
    EXPECT_TRUE(AllPixels(overlay.image(), QRect(10, 20, 30, 40), Red));

    // Copy a slice, widened from 30 to 60 columns.
    Canvas back(400, 353);
    back.copyRect(QRect(100, 0, 60, 353), overlay, QRect(10, 0, 30, 353));
    EXPECT_EQ(InkBounds(back.image()), QRect(100, 20, 60, 40));
    EXPECT_TRUE(AllPixels(back.image(), QRect(100, 20, 60, 40), Red));
}

TEST(Canvas, DrawsThroughAPrinterPainterInPageUnits) {
    // A page of 0.1 mm units drawn onto an image at 2 device pixels per unit.
    QImage page(400, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.scale(2, 2);
    Canvas canvas(painter, QSize(200, 150), 600);
    EXPECT_EQ(canvas.characterHeight(12), 100);  // 12 x 600 / 72
    canvas.pen.color = QColor(Qt::red);
    canvas.rectangle(10, 10, 60, 40);
    painter.end();
    EXPECT_EQ(InkBounds(page), QRect(20, 20, 100, 60));
}

TEST(Canvas, ASharperDisplayRasterFollowsEveryDrawingStep) {
    Canvas canvas(40, 30);
    canvas.setDisplayScale(2);
    const QImage& sharp = canvas.displayImage();
    ASSERT_EQ(sharp.size(), QSize(80, 60));
    canvas.pen.color = QColor(Qt::red);
    canvas.moveTo(2, 3);
    canvas.lineTo(10, 3);
    // Each pixel of the line is a 2 x 2 block on the sharp raster.
    EXPECT_EQ(InkBounds(canvas.displayImage()), QRect(4, 6, 16, 2));
    EXPECT_EQ(InkBounds(canvas.image()), QRect(2, 3, 8, 1));

    canvas.clear();
    canvas.font.size = 14;
    canvas.textOut(2, 2, QStringLiteral("Ag"));
    const QRect coarse = InkBounds(canvas.image());
    const QRect fine = InkBounds(canvas.displayImage());
    EXPECT_NEAR(fine.width(), coarse.width() * 2, 4);
    EXPECT_NEAR(fine.top(), coarse.top() * 2, 3);

    // Copies take the source's sharp pixels.
    Canvas source(10, 10);
    source.setDisplayScale(2);
    source.stretchDraw(QRect(0, 0, 5, 10), solidImage(Red));
    canvas.clear();
    canvas.copyRect(QRect(20, 0, 10, 10), source, QRect(0, 0, 10, 10));
    EXPECT_EQ(InkBounds(canvas.displayImage()), QRect(40, 0, 10, 20));
    EXPECT_EQ(canvas.displayImage().pixel(45, 10), Red);
}

// Glyphs can ink below their cell (Liberation Sans at 7 px reaches one row
// past its line height): the next line's white cell must not erase that ink.
// Lines drawn with cell fills on a white surface look exactly as without.
TEST(Canvas, ACellFillNeverErasesTheInkOfEarlierTexts) {
    const QStringList lines = {"gypsy jig quay", "Ygg pq", "jumpy fog"};
    for (int size = 1; size <= 50; ++size) {
        Canvas filled(400, 200), plain(400, 200);
        plain.brushStyle = BrushStyle::Clear;
        for (Canvas* canvas : {&filled, &plain}) {
            canvas->font.size = size;
            const int lineHeight = canvas->textHeight(lines.front());
            for (int i = 0; i < lines.size(); ++i) canvas->textOut(3, 2 + i * lineHeight, lines[i]);
        }
        ASSERT_EQ(filled.image(), plain.image()) << "ink erased at " << size << " pt";
    }
}

// A track line keeps its number at the left, whatever the script after it.
TEST(Canvas, LeftToRightLinesKeepWhatComesFirstAtTheLeft) {
    for (const QString& title : {QStringLiteral("שלום עולם"), QStringLiteral("مرحبا بالعالم")}) {
        Canvas line(300, 30), number(300, 30);
        line.font.size = number.font.size = 14;
        line.textOut(5, 2, QStringLiteral("8. ") + title, Paragraph::LeftToRight);
        number.textOut(5, 2, QStringLiteral("8."), Paragraph::LeftToRight);
        const QRect digits = InkBounds(number.image());
        ASSERT_FALSE(digits.isEmpty());
        EXPECT_EQ(line.image().copy(digits), number.image().copy(digits)) << title.toStdString();
        EXPECT_GT(InkBounds(line.image()).right(), digits.right() + 20) << "the title follows";

        // Drawn naturally, the line reads from the right, its number last.
        Canvas natural(300, 30);
        natural.font.size = 14;
        natural.textOut(5, 2, QStringLiteral("8. ") + title);
        EXPECT_NE(natural.image().copy(digits), number.image().copy(digits));
    }
}

// Every script a user types shows: no glyph falls back to the empty box,
// CJK and emoji ink within the width measured for them, and the emoji keep
// their colours.
TEST(Canvas, CjkAndEmojiDrawWithInkInsideTheirMeasuredWidths) {
    for (const QString& text :
         {QStringLiteral("漢字 かな カナ 한글"), QStringLiteral("🎵🙂")}) {
        SCOPED_TRACE(text.toStdString());
        Canvas canvas(300, 40);
        canvas.font.size = 14;
        QTextLayout layout(text, canvas.qtFont());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            for (quint32 glyph : run.glyphIndexes())
                EXPECT_NE(glyph, 0u) << "a glyph is missing from " << run.rawFont().familyName();

        canvas.textOut(5, 5, text);
        const QRect ink = InkBounds(canvas.image());
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.left(), 5);
        EXPECT_LE(ink.right(), 5 + canvas.textWidth(text));
    }
    // Also those that other fonts of a desktop (DejaVu Sans, Noto Sans
    // Symbols2) draw as outlines.
    for (const QString& face : {QStringLiteral("🙂"), QStringLiteral("😀"), QStringLiteral("🌍")}) {
        Canvas emoji(100, 40);
        emoji.font.size = 14;
        emoji.textOut(5, 5, face);
        bool coloured = false;
        for (int y = 0; y < emoji.height(); ++y)
            for (int x = 0; x < emoji.width(); ++x) {
                const QRgb p = emoji.image().pixel(x, y);
                coloured = coloured || qRed(p) != qBlue(p);
            }
        EXPECT_TRUE(coloured) << "the emoji drew without colour: " << face.toStdString();
    }
}
