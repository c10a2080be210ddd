// SPDX-License-Identifier: GPL-3.0-or-later
// "Export as PDF..." writes the printed page; "Export as PNG..." the cover
// as the window shows it, drawn sharp at the scale chosen.

#include <cmath>

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "app/cover_operations.h"
#include "app/main_window.h"
#include "document/cover_export.h"
#include "document/document_fixture.h"
#include "support/pdf_pages.h"

namespace {

constexpr int PageDpi = 300;
constexpr double MmPerInch = 25.4;

double mm(int pixels) {
    return pixels * MmPerInch / PageDpi;
}
int px(double millimetres) {
    return int(std::lround(millimetres / MmPerInch * PageDpi));
}

// The first dark pixel along a row or a column of the page, in mm.
double firstInkMm(const QImage& page, bool alongRow, double atMm) {
    const int length = alongRow ? page.width() : page.height();
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = alongRow ? page.pixel(i, px(atMm)) : page.pixel(px(atMm), i);
        if (qGray(pixel) < 128) return mm(i);
    }
    return -1;
}

// How many 2x2 blocks of the area hold more than one colour: none at all in
// a picture that was only magnified.
int mixedBlocks(const QImage& image, QRect area) {
    int mixed = 0;
    for (int y = area.top() & ~1; y < area.bottom(); y += 2)
        for (int x = area.left() & ~1; x < area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p)
                ++mixed;
        }
    return mixed;
}

// The mean difference of grey between neighbours along the rows of the area.
double meanNeighbourContrast(const QImage& image, QRect area) {
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x, ++count)
            sum += std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x + 1, y)));
    return sum / count;
}

QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class CoverExport : public DocumentFixture {
  protected:
    void SetUp() override {
        DocumentFixture::SetUp();
        addTracks({QStringLiteral("Morning Light"), QStringLiteral("Paper Boats")});
        setArtistAndTitle(QStringLiteral("The Examples"), QStringLiteral("Sample Sounds"));
        commit();
    }
    void exportAs(ExportKind kind, ScriptedExportDialog::Answer answer) {
        exportDialog->answers = {answer};
        if (kind == ExportKind::Pdf)
            run([] { Form1->ExportPdf1Click(); });
        else
            run([] { Form1->ExportPng1Click(); });
    }
};

TEST_F(CoverExport, APdfIsThePrintedPageOnTheChosenPaper) {
    const QString a4 = pathOf("a4.pdf");
    const QString letter = pathOf("letter.pdf");
    exportAs(ExportKind::Pdf, {a4, PaperSize::A4});
    exportAs(ExportKind::Pdf, {letter, PaperSize::Letter});
    ASSERT_EQ(errors->shown, QStringList());

    const QImage page = RenderPdfPage(a4, PageDpi);
    if (page.isNull()) GTEST_SKIP() << "needs pdftoppm (poppler-utils)";
    EXPECT_NEAR(mm(page.width()), 210, 0.2);
    EXPECT_NEAR(mm(page.height()), 297, 0.2);
    // The back outline's corner, from the page's corner: no printer margins.
    EXPECT_NEAR(firstInkMm(page, true, 60), 20.0, 0.12);
    EXPECT_NEAR(firstInkMm(page, false, 100), 10.0, 0.12);
    QStringList words;
    for (const PdfWord& word : PdfWords(a4)) words << word.text;
    for (const char* text : {"Morning", "Light", "Paper", "Boats", "Examples:", "Sounds"})
        EXPECT_TRUE(words.contains(text)) << text;

    const QImage letterPage = RenderPdfPage(letter, PageDpi);
    EXPECT_NEAR(mm(letterPage.width()), 215.9, 0.2);
    EXPECT_NEAR(mm(letterPage.height()), 279.4, 0.2);
    EXPECT_NEAR(firstInkMm(letterPage, true, 60), 20.0, 0.12);
}

// A 400 x 200 picture with a red circle 180 px across on the 121 x 120 mm
// front insert: filling, the circle prints round at 108 mm; fitting, round
// at 54.5 mm; stretched (no field), as the 54.5 x 108 mm ellipse it always
// was.
TEST_F(CoverExport, AFramedPictureKeepsItsAspectOnThePage) {
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QPointF(200, 100), 90, 90);
    painter.end();
    ASSERT_TRUE(picture.save(pathOf("circle.png")));
    restart();  // nothing unsaved stands before the documents opened
    const struct {
        const char* frame;
        QSizeF circleMm;
    } rows[] = {{R"("fit": "fill")", {108, 108}}, {R"("fit": "fit")", {54.45, 54.45}}, {"", {54.45, 108}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.frame);
        openFile(writeDocument("framed.sleevix",
                               QStringLiteral(R"({"format": "sleevix-cover", "version": 1,
                                   "outlines": {"fold": false, "back": false, "front": false},
                                   "front": {"picture": "circle.png"%1%2}})")
                                   .arg(*row.frame ? ", " : "", row.frame)
                                   .toUtf8()));
        const QString pdf = pathOf("framed.pdf");
        ExportCoverPdf(pdf, PaperSize::A4, CoverToPrint());
        const QImage page = RenderPdfPage(pdf, PageDpi);
        ASSERT_FALSE(page.isNull());
        // The page renders in grey: the red is the only ink on the insert.
        QRect red;
        for (int y = px(130); y < px(250); ++y)
            for (int x = px(20); x < px(141); ++x)
                if (qGray(page.pixel(x, y)) < 160) red |= QRect(x, y, 1, 1);
        EXPECT_NEAR(mm(red.width()), row.circleMm.width(), 0.5);
        EXPECT_NEAR(mm(red.height()), row.circleMm.height(), 0.5);
    }
}

TEST_F(CoverExport, APngAtOneScaleIsTheWindowsCoverPixelForPixel) {
    exportAs(ExportKind::Png, {pathOf("cover.png"), PaperSize::A4, 1});
    const QImage png = readPng(pathOf("cover.png"));
    ASSERT_EQ(png.size(), QSize(442 + 20 + 361, 353));
    // The back strip as the window shows it: the spines over the back's
    // first and last columns; the front beside it.
    EXPECT_TRUE(png.copy(0, 0, 22, 353) == Form1->Image2.image());
    EXPECT_TRUE(png.copy(22, 0, 398, 353) == Form1->Image1.image().copy(1, 0, 398, 353));
    EXPECT_TRUE(png.copy(420, 0, 22, 353) == Form1->Image3.image());
    EXPECT_TRUE(png.copy(462, 0, 361, 353) == Form1->Image4.image());
}

TEST_F(CoverExport, APngAtTwiceTheScaleIsTwiceTheSizeAndDrawnSharp) {
    // A picture with as much detail as the back shows at twice the scale:
    // stripes one device pixel wide.
    QImage stripes(884, 706, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    ASSERT_TRUE(stripes.save(pathOf("stripes.bmp"), "BMP"));
    choosePicture(0, pathOf("stripes.bmp"));
    const std::vector<QImage> screen = surfacePixels();

    exportAs(ExportKind::Png, {pathOf("one.png"), PaperSize::A4, 1});
    exportAs(ExportKind::Png, {pathOf("two.png"), PaperSize::A4, 2});
    ASSERT_EQ(errors->shown, QStringList());
    const QImage one = readPng(pathOf("one.png"));
    const QImage two = readPng(pathOf("two.png"));
    EXPECT_EQ(two.size(), one.size() * 2);

    // Texts: the front's artist and title, drawn anew at the finer pixels.
    const QRect frontTexts(462 + 10, 120, 340, 150);
    EXPECT_GT(mixedBlocks(two, QRect(frontTexts.topLeft() * 2, frontTexts.size() * 2)), 500);
    // The picture: its stripes survive at twice the scale, and merge to grey
    // at once.
    const QRect plainBack(250, 250, 100, 60);  // below the two track lines
    EXPECT_GT(meanNeighbourContrast(two, QRect(plainBack.topLeft() * 2, plainBack.size() * 2)),
              150);
    EXPECT_LT(meanNeighbourContrast(one, plainBack), 60);

    // The window shows what it showed before.
    EXPECT_TRUE(surfacePixels() == screen);
    EXPECT_EQ(Form1->Image1.displayImage().devicePixelRatio(), 1);
    EXPECT_EQ(Form1->Image5.displayImage().devicePixelRatio(), 1);
}

TEST_F(CoverExport, AFailedExportSaysWhyAndLeavesNothing) {
    const QString nowhere = pathOf("missing-folder/cover.pdf");
    exportAs(ExportKind::Pdf, {nowhere});
    exportAs(ExportKind::Png, {pathOf("missing-folder/cover.png")});
    ASSERT_EQ(errors->shown.size(), 2);
    EXPECT_TRUE(errors->shown[0].startsWith("Cannot export " + nowhere + ": ")) << errors->shown[0];
    EXPECT_TRUE(errors->shown[1].startsWith("Cannot export ")) << errors->shown[1];
    EXPECT_FALSE(QFileInfo::exists(pathOf("missing-folder")));
}
