// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>

#include "app/cover_operations.h"
#include "app/current_cover.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "support/image_probe.h"
#include "print/print_job.h"
#include "support/cover_fixture.h"
#include "support/pdf_pages.h"

namespace {
constexpr int RenderDpi = 100;
}  // namespace

class CupsPrinting : public CoverFixture {
  protected:
    void SetUp() override {
        CoverFixture::SetUp();
        queue = qEnvironmentVariable("SLEEVIX_TEST_PRINTER");
        output = qEnvironmentVariable("SLEEVIX_TEST_PRINTER_OUTPUT");
        if (queue.isEmpty() || output.isEmpty())
            GTEST_SKIP() << "no CUPS test printer: "
                         << qEnvironmentVariable("SLEEVIX_TEST_PRINTER_UNAVAILABLE",
                                                 "run through ./test.sh to set one up")
                                .toStdString();
        if (!QPrinterInfo::availablePrinterNames().contains(queue))
            GTEST_SKIP() << "the CUPS queue " << queue.toStdString() << " is not visible to Qt";
    }
    // The PDF the queue wrote for a job of the cover as it stands, rendered.
    QImage printThroughQueue(QPrinter& printer, int dpi) {
        const QString job =
            QStringLiteral("sleevix-cups-test-%1").arg(QCoreApplication::applicationPid());
        if (printer.printerName() != queue) printer.setPrinterName(queue);
        printer.setDocName(job);
        PrintCover(printer, CurrentCover(CoverUse::Print));
        const QString pdf = WaitForPdf(output, job);
        EXPECT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF into " << output.toStdString();
        const QImage page = RenderPdfPage(pdf, dpi);
        QFile::remove(pdf);
        EXPECT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) could not render the PDF";
        return page;
    }
    QString queue;
    QString output;
};

// Prints through a real CUPS queue (cups-pdf) and reads the PDF it writes.
TEST_F(CupsPrinting, ACoverPrintedToARealQueueHasItsOutlinesInPlace) {
    addTracks({"Intro", "Outro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QImage page = printThroughQueue(printer, RenderDpi);
    ASSERT_FALSE(page.isNull());
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
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

// A DVD wrap is printed landscape on the queue's A4 and comes out at its
// size, inside the paper's printable margins. The queue may turn a
// landscape page onto upright paper, as a printer feeds it.
TEST_F(CupsPrinting, ADvdWrapPrintsLandscapeAtItsSizeWithinThePrintableArea) {
    constexpr int Dpi = 400;
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    run([] { Form1->ChooseCaseKind(CaseKind::Dvd); });
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PrepareCoverPrint(printer, CoverToPrint());
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    const QImage page = printThroughQueue(printer, Dpi);
    ASSERT_FALSE(page.isNull());
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    const double least = std::min({margins.left(), margins.top(), margins.right(), margins.bottom()});
    const QRect ink = InkBounds(page);
    const auto mm = [](int pixels) { return pixels * 25.4 / Dpi; };
    const double longSide = std::max(mm(ink.width()), mm(ink.height())) - 0.1;
    const double shortSide = std::min(mm(ink.width()), mm(ink.height())) - 0.1;
    EXPECT_NEAR(longSide, 273, 0.1 + mm(1));
    EXPECT_NEAR(shortSide, 183, 0.1 + mm(1));
    for (int gap : {ink.left(), ink.top(), page.width() - 1 - ink.right(),
                    page.height() - 1 - ink.bottom()})
        EXPECT_GE(mm(gap), least - mm(1));
}
