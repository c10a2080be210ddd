// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_job.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "app/cover_state.h"
#include "app/error_box.h"
#include "app/main_window.h"
#include "app/output_file.h"
#include "app/program_windows.h"
#include "cases/case_content.h"
#include "cases/case_page.h"
#include "pictures/printed_picture.h"
#include "print/print_outcome.h"
#include "print/printable_area.h"
#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/shown_text.h"

namespace {

constexpr int PageUnitsPerInch = 254;  // a page unit is 0.1 mm
// The page's geometry in page units, given by its corners, right and bottom
// exclusive: back (200, 100)-(1700, 1275), front (200, 1300)-(1410, 2500).
const QRect BackInsert = RectFromCorners(200, 100, 1700, 1275);
const QRect FrontInsert = RectFromCorners(200, 1300, 1410, 2500);
constexpr int LeftFoldX = 260;
constexpr int RightFoldX = 1640;
constexpr int OutlinePenWidth = 1;
constexpr int SpineMiddleY = 690;

constexpr int TrackStartSize = 50;
constexpr int TrackBlockLimit = 1200;
constexpr int TrackWidthLimit = 1300;
constexpr int FirstTrackTop = 105;
constexpr int LeftTrackX = 300;
constexpr int BackMiddleX = 950;

constexpr int FrontStartSizeOnPage = 50;
constexpr int FrontWidthLimit = 1150;
constexpr int FrontMiddleX = 805;
constexpr int ArtistLineTop = 1740;
constexpr int TitleGap = 1755;  // the title's top is the line height plus this

constexpr int SpineStartSizeOnPage = 20;
constexpr int SpineHeightLimit = 64;
constexpr int SpineLengthLimit = 1100;
constexpr int ReadingUpward = 900;  // tenths of a degree, counter-clockwise
constexpr int ReadingDownward = -900;

const QString DefaultTypeface = QStringLiteral("arial");

// The rectangle's border, in the pen; the clear brush leaves its inside.
void outline(Canvas& page, const QRect& area) {
    page.rectangle(area.x(), area.y(), area.x() + area.width(), area.y() + area.height());
}

void useTypeface(Canvas& page, const QString& chosen) {
    page.font.name = chosen.isEmpty() ? DefaultTypeface : chosen;
}

// A drawing (SVG) is drawn for the device pixels its insert covers.
void drawPictures(Canvas& page, double devicePerUnit) {
    if (HasBackPicture)
        PictureForPrinting(BackPicturePath, BackPicture, BackInsert.size() * devicePerUnit)
            .drawStretched(page, BackInsert);
    if (HasFrontPicture)
        PictureForPrinting(FrontPicturePath, FrontPicture, FrontInsert.size() * devicePerUnit)
            .drawStretched(page, FrontInsert);
}

void drawOutlines(Canvas& page) {
    page.pen.color = OutlineColor;
    page.pen.width = OutlinePenWidth;
    if (Form1->CheckBox2->isChecked()) outline(page, BackInsert);
    if (Form1->CheckBox1->isChecked()) {
        for (int x : {LeftFoldX, RightFoldX}) {
            page.moveTo(x, BackInsert.y());
            page.lineTo(x, BackInsert.y() + BackInsert.height());
        }
    }
    if (Form1->CheckBox3->isChecked()) outline(page, FrontInsert);
}

void drawTrackLines(Canvas& page) {
    if (TrackCount == 0) return;  // nothing to fit or draw
    const QString last = TrackLine(TrackCount - 1);
    while (page.textHeight(last) * TrackCount >= TrackBlockLimit && CanShrink(page))
        --page.font.size;

    QString widest;
    int widestWidth = 0;
    for (int i = 0; i < TrackCount; ++i) {
        const QString line = TrackLine(i);
        const int width = page.textWidth(line);
        if (width > widestWidth) widest = line, widestWidth = width;
    }
    while (widestWidth >= TrackWidthLimit && CanShrink(page)) {
        --page.font.size;
        widestWidth = page.textWidth(widest);
    }

    const int lineHeight = page.textHeight(TrackLine(0));
    for (int i = 0; i < TrackCount; ++i) {
        const QString line = TrackLine(i);
        const int x = CenteredLayout ? BackMiddleX - page.textWidth(line) / 2 : LeftTrackX;
        page.textOut(x, FirstTrackTop + i * lineHeight, line, Paragraph::LeftToRight);
    }
}

void drawFrontTexts(Canvas& page) {
    if (Form1->CheckBox4->isChecked()) return;
    useTypeface(page, FrontFontName);
    page.font.color = FrontFontColor;
    page.font.size = FrontStartSizeOnPage;
    const QString artist = ShownText(PrintArtistName);
    const QString title = ShownText(PrintAlbumTitle);
    const QString artistMeasured = artist + SeparatorText;
    while (page.textWidth(artistMeasured) >= FrontWidthLimit && CanShrink(page)) --page.font.size;
    while (page.textWidth(title) >= FrontWidthLimit && CanShrink(page)) --page.font.size;
    const int lineHeight = page.textHeight(title);
    // Centred as if ": " followed the artist, whatever the separator.
    page.textOut(FrontMiddleX - page.textWidth(artistMeasured) / 2, ArtistLineTop,
                 artist + TitleSeparator);
    page.textOut(FrontMiddleX - page.textWidth(title) / 2, TitleGap + lineHeight, title);
}

void drawSpineTexts(Canvas& page) {
    const QString artist = ShownText(PrintArtistName);
    const QString title = ShownText(PrintAlbumTitle);
    const QString measured = artist + SeparatorText + title;
    const QString drawn = artist + TitleSeparator + title;
    page.font.name = QString::fromLatin1(SpineTypeface);
    page.font.size = SpineStartSizeOnPage;
    int h = page.textHeight(measured);
    while (h >= SpineHeightLimit && CanShrink(page)) {
        --page.font.size;
        h = page.textHeight(measured);
    }
    int w = page.textWidth(measured);
    while (w >= SpineLengthLimit && CanShrink(page)) {
        --page.font.size;
        w = page.textWidth(measured);
    }
    page.font.color = BackFontColor;

    // By default the left spine reads upward from its lower end, tops toward
    // the page's left edge, and the right one downward with tops toward the
    // right edge. The check box exchanges the two turns, for printers that
    // turn text the other way.
    const bool exchanged = Form1->CheckBox5->isChecked();
    page.font.escapement = exchanged ? ReadingDownward : ReadingUpward;
    page.textOut(BackInsert.left(), SpineMiddleY + w / 2, drawn);
    page.font.escapement = exchanged ? ReadingUpward : ReadingDownward;
    page.textOut(RightFoldX + h, SpineMiddleY - w / 2, drawn);
    page.font.escapement = 0;
}

}  // namespace

QRect JewelInsertOnPage(JewelInsert insert) {
    return insert == JewelInsert::Back ? BackInsert : FrontInsert;
}

std::vector<int> JewelFoldsOnPage() {
    return {LeftFoldX, RightFoldX};
}

void DrawCoverPage(QPainter& painter, int dotsPerInch) {
    if (CoverCase.kind != CaseKind::Jewel) return DrawCasePage(painter, dotsPerInch);
    painter.save();
    const double devicePerUnit = double(dotsPerInch) / PageUnitsPerInch;
    painter.scale(devicePerUnit, devicePerUnit);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF page =
        QSizeF(painter.device()->width(), painter.device()->height()) / devicePerUnit;
    // A point is 1/72 inch on paper whatever the printer's resolution, so the
    // same cover prints alike everywhere.
    Canvas canvas(painter, page.toSize(), PageUnitsPerInch);
    canvas.brushStyle = BrushStyle::Clear;  // no text boxes, outlines without fill

    canvas.font.size = TrackStartSize;
    useTypeface(canvas, BackFontName);
    canvas.font.color = BackFontColor;
    drawPictures(canvas, devicePerUnit);
    drawOutlines(canvas);
    if (CoverCommitted) {
        drawTrackLines(canvas);
        drawFrontTexts(canvas);
        drawSpineTexts(canvas);
    }
    painter.restore();
}

namespace {

// Paints the page; the printer's file, if any, is already the one to fill.

// A PDF is written through the one way every file is written, and takes
// its name only when it is complete.
void printToFile(QPrinter& printer, const QString& failing) {
    const QString target = printer.outputFileName();
    OutputFile output(target, failing);
    printer.setOutputFileName(output.writablePath());
    try {
        PaintCoverPage(printer);
        CheckFileWrittenCompletely(output.writablePath(), target);
    } catch (...) {
        printer.setOutputFileName(target);
        throw;
    }
    printer.setOutputFileName(target);
    output.commit();
}

}  // namespace

QString CannotPrintToMessage() {
    return QCoreApplication::translate("Printing", "Cannot print to %1: %2");
}

void PrintCover(QPrinter& printer, const QString& failing) {
    UsePrintableAreaAsOrigin(printer);
    // Said before anything prints: a piece larger than the printable area.
    if (CoverCase.kind != CaseKind::Jewel) CheckCaseFitsPrinter(LiveCaseShape(), printer);
    if (printer.outputFormat() == QPrinter::PdfFormat) return printToFile(printer, failing);
    const QString queue = printer.printerName();
    const bool toQueue = !queue.isEmpty();
    if (toQueue) CheckQueueAcceptsJobs(queue);
    PaintCoverPage(printer);
    if (toQueue) CheckQueueTookJob(queue);
}

void PaintCoverPage(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw SleevixError(QCoreApplication::translate(
            "Printing", "Cannot print: the printer could not be started"));
    DrawCoverPage(painter, printer.resolution());
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw SleevixError(QCoreApplication::translate(
            "Printing", "Printing failed: the printer reported an error"));
}
