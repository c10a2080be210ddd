// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>

#include "app/cover_state.h"
#include "print/print_job.h"
#include "support/cover_fixture.h"
#include "support/pdf_pages.h"

namespace {
constexpr int RenderDpi = 100;
}  // namespace

using CupsPrinting = CoverFixture;

// Prints through a real CUPS queue (cups-pdf) and reads the PDF it writes.
TEST_F(CupsPrinting, ACoverPrintedToARealQueueHasItsOutlinesInPlace) {
    const QString queue = qEnvironmentVariable("SLEEVIX_TEST_PRINTER");
    const QString output = qEnvironmentVariable("SLEEVIX_TEST_PRINTER_OUTPUT");
    if (queue.isEmpty() || output.isEmpty())
        GTEST_SKIP() << "no CUPS test printer: "
                     << qEnvironmentVariable("SLEEVIX_TEST_PRINTER_UNAVAILABLE",
                                             "run through ./test.sh to set one up")
                            .toStdString();
    if (!QPrinterInfo::availablePrinterNames().contains(queue))
        GTEST_SKIP() << "the CUPS queue " << queue.toStdString() << " is not visible to Qt";

    addTracks({"Intro", "Outro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    const QString job =
        QStringLiteral("sleevix-cups-test-%1").arg(QCoreApplication::applicationPid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setDocName(job);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PrintCover(printer);
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);

    const QString pdf = WaitForPdf(output, job);
    ASSERT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF into " << output.toStdString();

    const QImage page = RenderPdfPage(pdf, RenderDpi);
    QFile::remove(pdf);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) could not render the PDF";
    EXPECT_NEAR(page.width() * 25.4 / RenderDpi, 210, 1);
    EXPECT_NEAR(page.height() * 25.4 / RenderDpi, 297, 1);

    // The fold lines, across a row through the back insert.
    const int y = int((margins.top() + 50) / 25.4 * RenderDpi);
    std::vector<double> ink;
    bool inInk = false;
    for (int x = 0; x < page.width(); ++x) {
        const bool dark = qGray(page.pixel(x, y)) < 200;
        if (dark && !inInk) ink.push_back(x * 25.4 / RenderDpi - margins.left());
        inInk = dark;
    }
    ASSERT_GE(ink.size(), 4u);
    EXPECT_NEAR(ink.front(), 20.0, 0.3);
    EXPECT_NEAR(ink[1], 26.0, 0.3);
    EXPECT_NEAR(ink.back(), 170.0, 0.4);
}
