// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "app/current_cover.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "print/print_job.h"
#include "render/colour_glyphs.h"
#include "support/cover_fixture.h"
#include "support/drawn_page.h"
#include "support/image_probe.h"
#include "support/pdf_pages.h"
#include "tracks/track_editor.h"

namespace {

constexpr int Dpi = 300;
constexpr double MmPerInch = 25.4;
QImage printPage(int dpi = Dpi) {
    return DrawnPage(dpi);
}

double mm(int pixels, int dpi = Dpi) {
    return pixels * MmPerInch / dpi;
}
int px(double millimetres, int dpi = Dpi) {
    return int(millimetres / MmPerInch * dpi);
}

// Where along a row (or column) the ink is: the starts of its runs, in mm.
std::vector<double> inkRuns(const QImage& page, bool alongRow, double atMm, int dpi = Dpi) {
    std::vector<double> starts;
    const int fixed = px(atMm, dpi);
    const int length = alongRow ? page.width() : page.height();
    bool inInk = false;
    for (int i = 0; i < length; ++i) {
        const QRgb p = alongRow ? page.pixel(i, fixed) : page.pixel(fixed, i);
        const bool ink = qGray(p) < 200;
        if (ink && !inInk) starts.push_back(mm(i, dpi));
        inInk = ink;
    }
    return starts;
}

QRectF inkMm(const QImage& page, QRectF areaMm = QRectF(), int dpi = Dpi) {
    const QRect area = areaMm.isNull() ? QRect()
                                       : QRect(px(areaMm.x(), dpi), px(areaMm.y(), dpi),
                                               px(areaMm.width(), dpi), px(areaMm.height(), dpi));
    const QRect ink = InkBounds(page, area);
    if (ink.isEmpty()) return QRectF();
    return QRectF(mm(ink.left(), dpi), mm(ink.top(), dpi), mm(ink.width(), dpi),
                  mm(ink.height(), dpi));
}

constexpr double Tolerance = 0.12;  // 0.1 mm, plus a pixel's rounding

}  // namespace

class PrintJob : public CoverFixture {
  protected:
    void commitCover(const QStringList& tracks, const QString& artist, const QString& title) {
        addTracks(tracks);
        setArtistAndTitle(artist, title);
        commit();
        PrintArtistName = artist;
        PrintAlbumTitle = title;
    }
};

TEST_F(PrintJob, OutlinesAndFoldLinesStandAtTheirPhysicalPlaces) {
    const QImage page = printPage();
    const std::vector<double> across = inkRuns(page, true, 50);  // a row through the back
    ASSERT_EQ(across.size(), 4u);
    EXPECT_NEAR(across[0], 20.0, Tolerance);
    EXPECT_NEAR(across[1], 26.0, Tolerance);
    EXPECT_NEAR(across[2], 164.0, Tolerance);
    EXPECT_NEAR(across[3] + 0.1, 170.0, Tolerance);              // the border lies inside
    const std::vector<double> down = inkRuns(page, false, 100);  // a column through both
    ASSERT_EQ(down.size(), 4u);
    EXPECT_NEAR(down[0], 10.0, Tolerance);
    EXPECT_NEAR(down[1] + 0.1, 127.5, Tolerance);
    EXPECT_NEAR(down[2], 130.0, Tolerance);
    EXPECT_NEAR(down[3] + 0.1, 250.0, Tolerance);
    // Before a commit there is nothing else on the page.
    const QRectF all = inkMm(page);
    EXPECT_NEAR(all.left(), 20.0, Tolerance);
    EXPECT_NEAR(all.right(), 170.0, Tolerance);
    EXPECT_NEAR(all.bottom(), 250.0, Tolerance);
}

TEST_F(PrintJob, TheLayoutStaysInPlaceAtAnyResolution) {
    for (int dpi : {150, 600}) {
        SCOPED_TRACE(dpi);
        const QImage page = printPage(dpi);
        const std::vector<double> across = inkRuns(page, true, 50, dpi);
        ASSERT_EQ(across.size(), 4u);
        EXPECT_NEAR(across[1], 26.0, 25.4 / dpi + 0.05);
        EXPECT_NEAR(across[2], 164.0, 25.4 / dpi + 0.05);
        EXPECT_NEAR(inkMm(page, QRectF(), dpi).bottom(), 250.0, 25.4 / dpi + 0.1);
    }
}

TEST_F(PrintJob, PicturesFillTheirInsertsEdgeToEdge) {
    switchOutlines(false, false, false);
    QImage red(30, 20, QImage::Format_RGB32), blue(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    HasBackPicture = HasFrontPicture = true;
    BackPicture = PictureBitmap(red);
    FrontPicture = PictureBitmap(blue);
    const QImage page = printPage();
    const QRectF ink = inkMm(page);
    EXPECT_NEAR(ink.left(), 20.0, Tolerance);
    EXPECT_NEAR(ink.top(), 10.0, Tolerance);
    EXPECT_NEAR(ink.right(), 170.0, Tolerance);
    EXPECT_NEAR(ink.bottom(), 250.0, Tolerance);
    EXPECT_EQ(page.pixel(px(95), px(60)), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(px(80), px(190)), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(px(150), px(190)), qRgb(255, 255, 255));  // beside the front
}

TEST_F(PrintJob, TrackLinesStartAtThirtyOrCentreOnNinetyFive) {
    switchOutlines(false, false, false);
    commitCover({"Intro", "Walking on the long road home", "Outro"}, "Artist", "Title");
    const QRectF trayCard(26.5, 10.0, 137, 117);
    QRectF left = inkMm(printPage(), trayCard);
    EXPECT_GE(left.left(), 30.0 - Tolerance);
    EXPECT_LE(left.left(), 31.5);  // the digit's own side bearing
    EXPECT_GE(left.top(), 10.5 - Tolerance);

    CenteredLayout = true;
    const QRectF centred = inkMm(printPage(), trayCard);
    EXPECT_NEAR(centred.center().x(), 95.0, 1.0);
    EXPECT_GE(centred.top(), 10.5 - Tolerance);
}

TEST_F(PrintJob, SpineTextsLieInTheirStripsCentredOn69mm) {
    switchOutlines(false, false, false);
    commitCover({"Intro"}, "The Examples", "Sample Sounds");
    const QImage page = printPage();
    const QRectF leftSpine = inkMm(page, QRectF(0, 0, 26, 140));
    const QRectF rightSpine = inkMm(page, QRectF(164, 0, 46, 140));
    for (const QRectF& spine : {leftSpine, rightSpine}) {
        EXPECT_NEAR(spine.center().y(), 69.0, 1.0);
        EXPECT_GT(spine.height(), 40);  // along the spine
        EXPECT_LT(spine.width(), 6);
    }
    EXPECT_GE(leftSpine.left(), 20.0 - Tolerance);
    EXPECT_LE(leftSpine.right(), 26.0 + Tolerance);
    EXPECT_GE(rightSpine.left(), 164.0 - Tolerance);
    EXPECT_LE(rightSpine.right(), 170.0 + Tolerance);

    // The remedy turns each text the other way about its reference point:
    // on this printing path they then lie beside the spines.
    Form1->CheckBox5->setChecked(true);
    const QImage turned = printPage();
    const QRectF beside = inkMm(turned, QRectF(0, 0, 26, 250));
    EXPECT_LT(beside.left(), 20.0);
    EXPECT_GT(beside.bottom(), 100.0);
}

TEST_F(PrintJob, FrontTextsFitTheFrontAndCanBeLeftOut) {
    switchOutlines(false, false, false);
    commitCover({"Intro"}, "A band with a particularly long name indeed",
                "An album title that goes on and on and on");
    const QRectF front(20, 130, 121, 120);
    const QRectF text = inkMm(printPage(), front);
    EXPECT_LT(text.width(), 115.0);
    EXPECT_NEAR(text.center().x(), 80.5, 3.0);
    EXPECT_GE(text.top(), 174.0 - Tolerance);

    Form1->CheckBox4->setChecked(true);
    const QImage page = printPage();
    EXPECT_TRUE(inkMm(page, front).isNull());
    EXPECT_FALSE(inkMm(page, QRectF(26.5, 10, 137, 117)).isNull());  // tracks still print
}

TEST_F(PrintJob, AnEmptyTrackListPrintsEverythingElse) {
    switchOutlines(false, false, false);
    commitCover({}, "Artist", "Title");
    const QImage page = printPage();
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(inkMm(page, QRectF(26.5, 10, 137, 117)).isNull());
    EXPECT_FALSE(inkMm(page, QRectF(20, 130, 121, 120)).isNull());
}

TEST_F(PrintJob, PrintToPdfWritesOnePageWithTheOutlinesInPlace) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("cover.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    commitCover({"Intro", "Outro"}, "Artist", "Title");
    PrintCover(printer, CurrentCover(CoverUse::Print));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);

    const QImage page = RenderPdfPage(pdf, 300);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) could not render the PDF";
    EXPECT_NEAR(page.width(), A4Pixels(300).width(), 2);
    EXPECT_NEAR(page.height(), A4Pixels(300).height(), 2);
    const std::vector<double> across = inkRuns(page, true, 120);
    ASSERT_GE(across.size(), 4u);
    EXPECT_NEAR(across.front(), 20.0, Tolerance);
    EXPECT_NEAR(across[1], 26.0, Tolerance);
    EXPECT_NEAR(across.back() + 0.1, 170.0, Tolerance);
}

// Emoji print in colour, as the screen shows them from the colour emoji
// font, though a PDF cannot carry that font; the other texts stay text.
TEST_F(PrintJob, EmojiPrintInColourInTheirPlace) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("emoji.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPainter painter(&printer);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Color Emoji")});
    font.setPointSize(40);
    painter.setFont(font);
    painter.rotate(-10);  // as a spine's text turns
    DrawTextKeepingColourGlyphs(painter, QPoint(1000, 2000),
                                QStringLiteral("Smile \U0001F600\U0001F600"));
    painter.end();
    const QImage page = RenderPdfPage(pdf, 150);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) could not render the PDF";
    QRectF smile;  // the word, still text, in millimetres
    for (const PdfWord& word : PdfWords(pdf))
        if (word.text.startsWith("Smile")) smile = word.box;
    ASSERT_FALSE(smile.isNull()) << "the text is no longer text";
    // Right of the word, about on its line: the emoji's colours.
    int coloured = 0;
    for (int y = px(smile.top() - smile.height(), 150); y <= px(smile.bottom(), 150); ++y)
        for (int x = px(smile.right(), 150); x < px(smile.right() + 3 * smile.height(), 150); ++x) {
            const QColor c = page.pixelColor(x, y);
            coloured += c.saturation() > 100 && c.value() > 100;
        }
    EXPECT_GT(coloured, 100) << "no coloured ink beside the text";
}

TEST_F(PrintJob, PrintTakesTheEditorsFieldsAndReportsAFailureOfThePrinter) {
    auto dialog = std::make_unique<ScriptedPrintDialog>();
    ScriptedPrintDialog* printDialog = dialog.get();
    Form1->PrintDialog1 = std::move(dialog);
    setArtistAndTitle("Typed", "Later");
    printDialog->accept = false;
    run([] { Form1->Button4Click(); });
    EXPECT_EQ(PrintArtistName, "Typed");
    EXPECT_EQ(PrintAlbumTitle, "Later");
    EXPECT_EQ(printDialog->documentName, "Typed - Later");
    EXPECT_TRUE(errors->shown.isEmpty());
    // The editor's prompts are no names: the job is a cover.
    setArtistAndTitle(TForm2::ArtistPrompt(), TForm2::TitlePrompt());
    run([] { Form1->Button4Click(); });
    EXPECT_EQ(printDialog->documentName, "cover");

    // A PDF that cannot be written: named, with the reason.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-folder/cover.pdf");
    run([&] { PrintCover(printer, CurrentCover(CoverUse::Print)); });
    EXPECT_EQ(errors->shown, QStringList{"Cannot print to /nonexistent-folder/cover.pdf: No such "
                                         "file or directory."});
}

// The preview shows the one page as the printer will print it, ink
// included, and "Print..." goes on to the print dialog; "Close" does not.
TEST_F(PrintJob, PrintPreviewShowsThePageAndPrintGoesOnToThePrintDialog) {
    auto dialog = std::make_unique<ScriptedPrintDialog>();
    ScriptedPrintDialog* printDialog = dialog.get();
    Form1->PrintDialog1 = std::move(dialog);
    printDialog->accept = false;
    commitCover({"Intro", "Outro"}, "Artist", "Title");
    for (const bool print : {true, false}) {
        int pages = 0, inkPixels = 0;
        whenModalOpens([&] {
            QWidget* shown = QApplication::activeModalWidget();
            auto* preview = shown->findChild<QPrintPreviewWidget*>();
            if (!preview) return;
            preview->updatePreview();
            pages = preview->pageCount();
            const QImage seen = preview->grab().toImage();
            for (int y = 0; y < seen.height(); ++y)
                for (int x = 0; x < seen.width(); ++x) inkPixels += qGray(seen.pixel(x, y)) < 64;
            auto* buttons = shown->findChild<QDialogButtonBox*>();
            QAbstractButton* pressed = nullptr;
            for (QAbstractButton* button : buttons->buttons())
                if ((buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) == print)
                    pressed = button;
            pressed->click();
        });
        run([] { Form1->PrintPreview1->trigger(); });
        EXPECT_EQ(pages, 1);
        EXPECT_GT(inkPixels, 0) << "the preview's page shows no ink";
        EXPECT_EQ(printDialog->executions, 1);
        EXPECT_EQ(printDialog->documentName, "Artist - Title");
    }
    EXPECT_TRUE(errors->shown.isEmpty());
}

// The print dialog offers the choice made last for the rest of the run:
// after "Print to File", a file named for the next job in the same folder.
TEST_F(PrintJob, ThePrintDialogOffersTheLastChoiceAgain) {
    QTemporaryDir folder;
    ScreenPrintDialog dialog;
    QPrinter first(QPrinter::HighResolution);
    first.setOutputFormat(QPrinter::PdfFormat);
    first.setOutputFileName(folder.filePath("first.pdf"));
    whenModalOpens([] {
        QWidget* shown = QApplication::activeModalWidget();
        // The file even where a printer is installed and offered first.
        for (QComboBox* printers : shown->findChildren<QComboBox*>())
            if (const int file = printers->findText("Print to File (PDF)"); file >= 0)
                printers->setCurrentIndex(file);
        static_cast<QDialog*>(shown)->accept();
    });
    ASSERT_TRUE(dialog.Execute(first, Form1));
    QPrinter next(QPrinter::HighResolution);
    next.setDocName(QStringLiteral("next"));
    dialog.OfferLastChoice(next);
    EXPECT_EQ(next.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(next.outputFileName(), folder.filePath("next.pdf"));
}

// A point is 1/72 inch on paper: the printer's resolution changes neither the
// sizes nor the places of the texts, and a full track list fills its card.
TEST_F(PrintJob, TextsPrintAtTheSameSizeAndPlaceAtEveryResolution) {
    QStringList tracks;
    for (int i = 1; i <= 41; ++i) tracks << QStringLiteral("Song number %1 of the night").arg(i);
    commitCover(tracks, "Artist", "Title");
    QTemporaryDir folder;
    QList<QList<PdfWord>> prints;
    for (int dpi : {300, 600, 1200}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(dpi);
        printer.setOutputFileName(folder.filePath(QStringLiteral("cover-%1.pdf").arg(dpi)));
        PrintCover(printer, CurrentCover(CoverUse::Print));
        prints.push_back(PdfWords(printer.outputFileName()));
        ASSERT_FALSE(prints.back().isEmpty()) << "pdftotext (poppler-utils) read no words";
    }
    for (int other : {1, 2}) {
        ASSERT_EQ(prints[other].size(), prints[0].size());
        for (qsizetype i = 0; i < prints[0].size(); ++i) {
            const QRectF a = prints[0][i].box, b = prints[other][i].box;
            SCOPED_TRACE(prints[0][i].text.toStdString());
            EXPECT_EQ(prints[other][i].text, prints[0][i].text);
            EXPECT_NEAR(b.left(), a.left(), 0.1);
            EXPECT_NEAR(b.top(), a.top(), 0.1);
            EXPECT_NEAR(b.width(), a.width(), 0.1);
            EXPECT_NEAR(b.height(), a.height(), 0.1);
        }
    }
    // The track block: from the first line's top to the last line's bottom.
    double top = 1e9, bottom = 0;
    for (const PdfWord& word : prints[2]) {
        if (word.box.left() < 27 || word.box.right() > 163 || word.box.top() > 127.5) continue;
        top = std::min(top, word.box.top());
        bottom = std::max(bottom, word.box.bottom());
    }
    constexpr double HeightLimitMm = 120.0;
    EXPECT_GE(bottom - top, 0.9 * HeightLimitMm);
    EXPECT_LT(bottom - top, HeightLimitMm);
}
