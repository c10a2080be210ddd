// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_job.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "base/output_file.h"
#include "base/sleevix_error.h"
#include "print/case_page.h"
#include "print/print_outcome.h"
#include "print/printable_area.h"

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
    UseDeclaredMargins(printer);
    // Said before anything prints: a piece larger than the printable area.
    CheckCaseFitsPrinter(cover, printer);
    if (printer.outputFormat() == QPrinter::PdfFormat) return printToFile(printer, cover, failing);
    PrintPage(printer, [&cover](QPainter& painter, int dotsPerInch) {
        DrawCoverPage(painter, dotsPerInch, cover);
    });
}

void PaintCoverPage(QPrinter& printer, const CoverValue& cover) {
    PaintPage(printer, [&cover](QPainter& painter, int dotsPerInch) {
        DrawCoverPage(painter, dotsPerInch, cover);
    });
}

void PaintPage(QPrinter& printer, const PageDrawing& draw) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw SleevixError(QCoreApplication::translate(
            "Printing", "Cannot print: the printer could not be started"));
    draw(painter, printer.resolution());
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw SleevixError(QCoreApplication::translate(
            "Printing", "Printing failed: the printer reported an error"));
}

void PrintPage(QPrinter& printer, const PageDrawing& draw) {
    const QString queue = printer.printerName();
    const bool toQueue = !queue.isEmpty();
    if (toQueue) CheckQueueAcceptsJobs(queue);
    PaintPage(printer, draw);
    if (toQueue) CheckQueueTookJob(queue);
}
