// SPDX-License-Identifier: GPL-3.0-or-later
// "Print" on the paths users take: the real print dialog, real CUPS queues
// with the printable areas their PPDs declare, and a disk that fills up.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "cases/case_shapes.h"
#include "support/cover_fixture.h"
#include "support/image_probe.h"
#include "support/pdf_pages.h"
#include "support/placement.h"

namespace {

constexpr int RenderDpi = 300;
constexpr double MmPerInch = 25.4;
constexpr double PlaceTolerance = 0.15;  // mm: a rendered pixel and rounding
constexpr const char* PdfPrinterEntry = "Print to File (PDF)";

// The test queues that scripts/start-test-printer.sh sets up.
QString testQueue(const char* suffix = "") {
    return qEnvironmentVariable("SLEEVIX_TEST_PRINTER") + QLatin1String(suffix);
}

// The top-left corner of everything inked on the page, in mm from the
// paper's corner: with outlines only, the back outline's corner.
QPointF inkCornerMm(const QString& pdf) {
    const QImage page = RenderPdfPage(pdf, RenderDpi);
    if (page.isNull()) return QPointF(-1, -1);
    const QRect ink = InkBounds(page);
    return QPointF(ink.left(), ink.top()) * MmPerInch / RenderDpi;
}

}  // namespace

class PrintPaths : public CoverFixture {
  protected:
    void SetUp() override {
        CoverFixture::SetUp();
        switchOutlines(true, true, true);
    }

    // Why the CUPS test queues cannot be used, or nothing when they can.
    static QString missingQueues() {
        if (testQueue().isEmpty())
            return "no CUPS test printer: " +
                   qEnvironmentVariable("SLEEVIX_TEST_PRINTER_UNAVAILABLE",
                                        "run through ./test.sh to set one up");
        const QStringList visible = QPrinterInfo::availablePrinterNames();
        for (const char* suffix : {"", "Margins", "Rejecting", "Paused", "Quota"})
            if (!visible.contains(testQueue(suffix)))
                return "the CUPS queue " + testQueue(suffix) + " is not visible to Qt";
        return QString();
    }

    // Presses "Print"; in the real dialog that opens, picks each printer of
    // `printers` in turn (and `fileName` for the PDF entry), then "Print".
    void printThroughDialog(const QStringList& printers, const QString& fileName = QString()) {
        bool dialogSeen = false;
        whenModalOpens([&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialogSeen = true;
            auto* list = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            for (const QString& printer : printers) {
                const int index = list ? list->findText(printer) : -1;
                if (index < 0) {
                    dialog->reject();
                    return;
                }
                list->setCurrentIndex(index);
            }
            if (!fileName.isEmpty())
                dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(fileName);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        run([] { Form1->Button4Click(); });
        ASSERT_TRUE(dialogSeen) << "the print dialog did not open";
    }

    // Prints the outlines through the dialog to `printers` (the last one
    // chosen prints) and returns where the back outline's corner landed.
    QPointF printedCorner(const QStringList& printers, const QString& artist) {
        setArtistAndTitle(artist, QStringLiteral("Corner"));
        printThroughDialog(printers);
        EXPECT_TRUE(errors->shown.isEmpty()) << errors->shown.join('\n');
        const QString pdf = WaitForPdf(qEnvironmentVariable("SLEEVIX_TEST_PRINTER_OUTPUT"), artist);
        if (pdf.isEmpty()) return QPointF(-1, -1);
        const QPointF corner = inkCornerMm(pdf);
        QFile::remove(pdf);
        return corner;
    }

    static QString uniqueName(const char* what) {
        return QStringLiteral("%1%2")
            .arg(QLatin1String(what))
            .arg(QCoreApplication::applicationPid());
    }
};

TEST_F(PrintPaths, PrintToFileStartsAtThePageCorner) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("cover.pdf"));
    printThroughDialog({QString::fromLatin1(PdfPrinterEntry)}, pdf);
    ASSERT_TRUE(errors->shown.isEmpty()) << errors->shown.join('\n');
    const QPointF corner = inkCornerMm(pdf);
    EXPECT_NEAR(corner.x(), 20.0, PlaceTolerance);
    EXPECT_NEAR(corner.y(), 10.0, PlaceTolerance);
}

// Each other kind through the same dialog: its one cut outline 10 mm in
// from the printable corner, at its physical size.
TEST_F(PrintPaths, EachKindPrintsThroughTheDialogAtItsPhysicalSize) {
    QTemporaryDir folder;
    for (const CaseKind kind : {CaseKind::Slim, CaseKind::Dvd, CaseKind::Disc}) {
        SCOPED_TRACE(CaseKindName(kind).toStdString());
        run([kind] { Form1->ChooseCaseKind(kind); });
        const QString pdf = folder.filePath(CaseKindName(kind) + ".pdf");
        printThroughDialog({QString::fromLatin1(PdfPrinterEntry)}, pdf);
        ASSERT_TRUE(errors->shown.isEmpty()) << errors->shown.join('\n');
        const QRectF cut(QPointF(10, 10), ShapeOf(kind).size);
        ExpectCutAt(InkBoxMm(pdf, cut), cut);
    }
}

// The margins queue's PPD leaves 10 mm at the left and 20 mm at the top.
TEST_F(PrintPaths, EachQueueMeasuresFromItsOwnPrintableArea) {
    if (const QString why = missingQueues(); !why.isEmpty()) GTEST_SKIP() << why;
    const QPointF withMargins = printedCorner({testQueue("Margins")}, uniqueName("Margins"));
    EXPECT_NEAR(withMargins.x(), 30.0, PlaceTolerance);
    EXPECT_NEAR(withMargins.y(), 30.0, PlaceTolerance);

    const QPointF switched =
        printedCorner({testQueue("Margins"), testQueue()}, uniqueName("Switched"));
    EXPECT_NEAR(switched.x(), 20.0, PlaceTolerance);
    EXPECT_NEAR(switched.y(), 10.0, PlaceTolerance);
}

TEST_F(PrintPaths, ARefusingQueueIsReportedAndAPausedOneHoldsTheJob) {
    if (const QString why = missingQueues(); !why.isEmpty()) GTEST_SKIP() << why;
    setArtistAndTitle(uniqueName("Refused"), QStringLiteral("Job"));
    printThroughDialog({testQueue("Rejecting")});
    ASSERT_EQ(errors->shown.size(), 1);
    EXPECT_EQ(errors->shown.front(), QStringLiteral("Cannot print: the printer \"%1\" is not "
                                                    "accepting jobs.")
                                         .arg(testQueue("Rejecting")));

    // Holding a job is ordinary spooling, not a failure.
    errors->shown.clear();
    const QString paused = testQueue("Paused");
    setArtistAndTitle(uniqueName("Held"), QStringLiteral("Job"));
    printThroughDialog({paused});
    EXPECT_TRUE(errors->shown.isEmpty()) << errors->shown.join('\n');
    QProcess jobs;
    jobs.start(QStringLiteral("lpstat"), {"-o", paused});
    ASSERT_TRUE(jobs.waitForFinished());
    EXPECT_TRUE(jobs.readAllStandardOutput().contains(paused.toUtf8())) << "no job held";
    QProcess::execute(QStringLiteral("cancel"), {"-a", paused});
}

// The quota queue takes one small job a week and refuses the next ones,
// while it goes on accepting jobs as a queue.
TEST_F(PrintPaths, AJobTheSchedulerRefusesIsReported) {
    if (const QString why = missingQueues(); !why.isEmpty()) GTEST_SKIP() << why;
    const QString queue = testQueue("Quota");
    for (int job = 0; job < 2; ++job) {
        setArtistAndTitle(uniqueName("Quota"), QStringLiteral("Job %1").arg(job));
        printThroughDialog({queue});
    }
    ASSERT_FALSE(errors->shown.isEmpty()) << "the refused job passed silently";
    EXPECT_EQ(
        errors->shown.last(),
        QStringLiteral("Printing failed: \"%1\" refused the job: Quota limit reached.").arg(queue));
    for (const QFileInfo& pdf :
         QDir(qEnvironmentVariable("SLEEVIX_TEST_PRINTER_OUTPUT"))
             .entryInfoList({"*" + uniqueName("Quota") + "*.pdf"}, QDir::Files))
        QFile::remove(pdf.filePath());
}

TEST_F(PrintPaths, AFileCutShortByAFullDiskIsReported) {
    addTracks({"Intro", "Outro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    QTemporaryDir folder;
    // The page on an ordinary disk, to be sure it cannot fit the small one.
    const QString whole = folder.filePath(QStringLiteral("whole.pdf"));
    printThroughDialog({QString::fromLatin1(PdfPrinterEntry)}, whole);
    ASSERT_TRUE(errors->shown.isEmpty()) << errors->shown.join('\n');
    constexpr int DiskKilobytes = 4;  // one page of memory, the least tmpfs holds
    ASSERT_GT(QFileInfo(whole).size(), DiskKilobytes * 1024);

    const QString disk = folder.filePath(QStringLiteral("disk"));
    QDir().mkpath(disk);
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(DiskKilobytes),
                           "sleevix-full-disk", disk}) != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const QString pdf = QDir(disk).filePath(QStringLiteral("cover.pdf"));
    printThroughDialog({QString::fromLatin1(PdfPrinterEntry)}, pdf);
    const QStringList shown = errors->shown;
    QProcess::execute(QStringLiteral("umount"), {disk});
    ASSERT_EQ(shown.size(), 1);
    // Said as Save and the PNG export say it.
    EXPECT_EQ(shown.front(), QStringLiteral("Cannot write %1: the disk is full.").arg(pdf));
}
