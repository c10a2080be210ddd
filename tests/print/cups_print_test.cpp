// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

#include "app/cover_operations.h"
#include "app/current_cover.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "base/sleevix_error.h"
#include "support/image_probe.h"
#include "print/case_page.h"
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
        if (printer.printerName().isEmpty()) printer.setPrinterName(queue);
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
// size, inside the paper's printable margins, which the queue declares for
// upright paper and turns with the page. A queue whose area cannot hold it
// refuses it, naming the area both ways.
TEST_F(CupsPrinting, ADvdWrapPrintsLandscapeAtItsSizeWithinThePrintableArea) {
    constexpr int Dpi = 400;
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    run([] { Form1->ChooseCaseKind(CaseKind::Dvd); });
    for (const QString& name : {queue, queue + "Inkjet"}) {
        SCOPED_TRACE(name.toStdString());
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(name);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QMarginsF upright = printer.pageLayout().minimumMargins() * 25.4 / 72;
        PrepareCoverPrint(printer, CoverToPrint());
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        const QImage page = printThroughQueue(printer, Dpi);
        ASSERT_FALSE(page.isNull());
        ASSERT_LT(page.width(), page.height()) << "the queue's PDF is upright paper";
        const QRect ink = InkBounds(page);
        const auto mm = [](int pixels) { return pixels * 25.4 / Dpi; };
        EXPECT_NEAR(mm(ink.height()) - 0.1, 273, 0.1 + mm(1));
        EXPECT_NEAR(mm(ink.width()) - 0.1, 183, 0.1 + mm(1));
        EXPECT_GE(mm(ink.left()), upright.left() - mm(1));
        EXPECT_GE(mm(ink.top()), upright.top() - mm(1));
        EXPECT_GE(mm(page.width() - 1 - ink.right()), upright.right() - mm(1));
        EXPECT_GE(mm(page.height() - 1 - ink.bottom()), upright.bottom() - mm(1));
    }
    QPrinter wide(QPrinter::HighResolution);
    wide.setPrinterName(queue + "Wide");
    PrepareCoverPrint(wide, CoverToPrint());
    try {
        PrintCover(wide, CoverToPrint());
        ADD_FAILURE() << "a 273 mm wrap printed within 257 mm";
    } catch (const SleevixError& error) {
        EXPECT_EQ(error.message(),
                  "The DVD case cover (273 x 183 mm) does not fit the printable area of this "
                  "paper, 170 x 257 mm upright or 257 x 170 mm in landscape: choose larger "
                  "paper or a printer that prints closer to the paper's edge");
    }
}

// --print sends each FILE to the queue as Print would, without a window: a
// disc label on its sheet lands at the maker's centres.
TEST_F(CupsPrinting, PrintingFromTheCommandLineReachesTheQueue) {
    const QString job = QStringLiteral("Command %1").arg(QCoreApplication::applicationPid());
    const QString cover = QDir(QDir::tempPath()).filePath(job + ".sleevix");
    QFile file(cover);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"format": "sleevix-cover", "version": 1, "artist": "%1",
                                  "title": "Line", "tracks": ["1. One"], "committed": true,
                                  "case": "disc", "sheet": "Avery L6015"})")
                   .arg(job)
                   .toUtf8());
    file.close();
    QProcess process;
    process.start(QStringLiteral(SLEEVIX_EXECUTABLE), {"--print", queue, cover});
    ASSERT_TRUE(process.waitForFinished());
    QFile::remove(cover);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QString pdf = WaitForPdf(output, QString(job).replace(' ', '_'));
    ASSERT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF into " << output.toStdString();
    for (const QPointF& centre : {QPointF(105.0, 79.9), QPointF(105.0, 218.3)}) {
        const QRectF ink = InkBoxMm(pdf, QRectF(centre - QPointF(58.5, 58.5), QSizeF(117, 117)));
        EXPECT_NEAR(ink.center().x(), centre.x(), 0.4);
        EXPECT_NEAR(ink.center().y(), centre.y(), 0.4);
    }
    QFile::remove(pdf);
}

// A label sheet's paper that the printer does not list is said before the
// cover prints; a printer that lists it says nothing.
TEST_F(CupsPrinting, ASheetsPaperThePrinterLacksIsSaid) {
    CoverValue cover;
    cover.kind.kind = CaseKind::Disc;
    cover.sheet = LabelSheetNamed(QStringLiteral("Avery 5931"));
    for (const auto& [name, said] : {std::pair(queue, false), std::pair(queue + "Wide", true)}) {
        QPrinter printer;
        printer.setPrinterName(name);
        EXPECT_EQ(SheetPaperNote(printer, cover).contains("does not list Letter"), said) << name.toStdString();
    }
}
