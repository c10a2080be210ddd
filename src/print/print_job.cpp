// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_job.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "base/output_file.h"
#include "base/sleevix_error.h"
#include "pictures/printed_picture.h"
#include "print/case_page.h"
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
void drawPictures(Canvas& page, double devicePerUnit, const CoverValue& cover) {
    for (const auto& [picture, insert] : {std::pair(&cover.backPicture, BackInsert),
                                          std::pair(&cover.frontPicture, FrontInsert)}) {
        if (picture->chosen)
            page.drawPicture(insert, PictureForPrinting(picture->path, picture->shown,
                                                        insert.size() * devicePerUnit));
    }
}

void drawOutlines(Canvas& page, const GuideSwitches& guides) {
    page.pen.color = guides.colour;
    page.pen.width = OutlinePenWidth;
    if (guides.back) outline(page, BackInsert);
    if (guides.folds) {
        for (int x : {LeftFoldX, RightFoldX}) {
            page.moveTo(x, BackInsert.y());
            page.lineTo(x, BackInsert.y() + BackInsert.height());
        }
    }
    if (guides.front) outline(page, FrontInsert);
}

void drawTrackLines(Canvas& page, const QStringList& tracks, bool centred) {
    if (tracks.isEmpty()) return;  // nothing to fit or draw
    const int count = int(tracks.size());
    ShrinkToFit(page, [&] { return page.textHeight(tracks.last()) * count < TrackBlockLimit; });

    QString widest;
    int widestWidth = 0;
    for (const QString& line : tracks) {
        const int width = page.textWidth(line);
        if (width > widestWidth) widest = line, widestWidth = width;
    }
    ShrinkToFit(page, [&] {
        if (!widest.isNull()) widestWidth = page.textWidth(widest);
        return widestWidth < TrackWidthLimit;
    });

    const int lineHeight = page.textHeight(tracks.first());
    for (int i = 0; i < count; ++i) {
        const QString& line = tracks[i];
        const int x = centred ? BackMiddleX - page.textWidth(line) / 2 : LeftTrackX;
        page.textOut(x, FirstTrackTop + i * lineHeight, line, Paragraph::LeftToRight);
    }
}

void drawFrontTexts(Canvas& page, const CoverValue& cover) {
    if (cover.noFrontText) return;
    useTypeface(page, cover.front.typeface);
    page.font.color = cover.front.colour;
    page.font.size = FrontStartSizeOnPage;
    const QString artist = ShownText(cover.artist);
    const QString title = ShownText(cover.title);
    const QString artistMeasured = artist + SeparatorText;
    ShrinkToFit(page, [&] { return page.textWidth(artistMeasured) < FrontWidthLimit; });
    ShrinkToFit(page, [&] { return page.textWidth(title) < FrontWidthLimit; });
    const int lineHeight = page.textHeight(title);
    // Centred as if ": " followed the artist, whatever the separator.
    page.textOut(FrontMiddleX - page.textWidth(artistMeasured) / 2, ArtistLineTop,
                 artist + cover.separator);
    page.textOut(FrontMiddleX - page.textWidth(title) / 2, TitleGap + lineHeight, title);
}

void drawSpineTexts(Canvas& page, const CoverValue& cover) {
    const QString artist = ShownText(cover.artist);
    const QString title = ShownText(cover.title);
    const QString measured = artist + SeparatorText + title;
    const QString drawn = artist + cover.separator + title;
    page.font.name = QString::fromLatin1(SpineTypeface);
    page.font.size = SpineStartSizeOnPage;
    int h = 0;
    ShrinkToFit(page, [&] {
        h = page.textHeight(measured);
        return h < SpineHeightLimit;
    });
    int w = 0;
    ShrinkToFit(page, [&] {
        w = page.textWidth(measured);
        return w < SpineLengthLimit;
    });
    page.font.color = cover.back.colour;

    // By default the left spine reads upward from its lower end, tops toward
    // the page's left edge, and the right one downward with tops toward the
    // right edge. The check box exchanges the two turns, for printers that
    // turn text the other way.
    const bool exchanged = cover.spinesTurned;
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

void DrawCoverPage(QPainter& painter, int dotsPerInch, const CoverValue& cover) {
    if (cover.kind.kind != CaseKind::Jewel) return DrawCasePage(painter, dotsPerInch, cover);
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
    useTypeface(canvas, cover.back.typeface);
    canvas.font.color = cover.back.colour;
    drawPictures(canvas, devicePerUnit, cover);
    drawOutlines(canvas, cover.guides);
    if (cover.committed) {
        drawTrackLines(canvas, cover.tracks, cover.centred);
        drawFrontTexts(canvas, cover);
        drawSpineTexts(canvas, cover);
    }
    painter.restore();
}

namespace {

// Paints the page; the printer's file, if any, is already the one to fill.

// A PDF is written through the one way every file is written, and takes
// its name only when it is complete.
void printToFile(QPrinter& printer, const CoverValue& cover, const QString& failing) {
    const QString target = printer.outputFileName();
    OutputFile output(target, failing);
    printer.setOutputFileName(output.writablePath());
    try {
        PaintCoverPage(printer, cover);
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

void PrintCover(QPrinter& printer, const CoverValue& cover, const QString& failing) {
    UsePrintableAreaAsOrigin(printer);
    // Said before anything prints: a piece larger than the printable area.
    if (cover.kind.kind != CaseKind::Jewel) CheckCaseFitsPrinter(ShapeOf(cover.kind), printer);
    if (printer.outputFormat() == QPrinter::PdfFormat) return printToFile(printer, cover, failing);
    const QString queue = printer.printerName();
    const bool toQueue = !queue.isEmpty();
    if (toQueue) CheckQueueAcceptsJobs(queue);
    PaintCoverPage(printer, cover);
    if (toQueue) CheckQueueTookJob(queue);
}

void PaintCoverPage(QPrinter& printer, const CoverValue& cover) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw SleevixError(QCoreApplication::translate(
            "Printing", "Cannot print: the printer could not be started"));
    DrawCoverPage(painter, printer.resolution(), cover);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw SleevixError(QCoreApplication::translate(
            "Printing", "Printing failed: the printer reported an error"));
}
