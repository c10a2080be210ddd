// SPDX-License-Identifier: GPL-3.0-or-later
// The slim card, the DVD wrap and the disc label: printed at their physical
// size, texts inside their boxes, kept in documents and chosen by File > New.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QPrinter>
#include <QTabWidget>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/current_cover.h"
#include "app/main_window.h"
#include "base/sleevix_error.h"
#include "cases/label_sheets.h"
#include "document/cover_export.h"
#include "document/document_fixture.h"
#include "print/print_job.h"
#include "print/print_shop_export.h"
#include "cases/label_templates.h"
#include "cases/printer_calibration.h"
#include "render/case_render.h"
#include "render/case_view.h"
#include "support/drawn_page.h"
#include "support/image_probe.h"
#include "support/pdf_pages.h"
#include "support/placement.h"

namespace {

// Finer than a tenth of a millimetre, within the picture reader's memory
// limit for a whole A4 page.
constexpr int Dpi = 400;
constexpr double MmPerInch = 25.4;
constexpr double Tolerance = 0.1 + MmPerInch / Dpi;  // 0.1 mm, plus a pixel's rounding
constexpr int OrientationDpi = 20;

double mm(int pixels) {
    return pixels * MmPerInch / Dpi;
}

struct KindRow {
    const char* name;
    CaseKind kind;
    DiscHole hole;
};
const KindRow Kinds[] = {{"slim card", CaseKind::Slim, DiscHole::Standard},
                         {"DVD wrap", CaseKind::Dvd, DiscHole::Standard},
                         {"disc label", CaseKind::Disc, DiscHole::Standard},
                         {"full-face disc label", CaseKind::Disc, DiscHole::FullFace}};

QStringList longTracks(int count) {
    QStringList tracks;
    for (int i = 1; i <= count; ++i)
        tracks << QStringLiteral("%1. A rather long song title that goes on and on (live)").arg(i);
    return tracks;
}

}  // namespace

class CaseKinds : public DocumentFixture {
  protected:
    void layOut(const QStringList& tracks) {
        addTracks(tracks);
        setArtistAndTitle("Artist", "Title");
        commit();
    }
    void choose(const KindRow& row) {
        CoverCase.hole = row.hole;
        run([&] { Form1->ChooseCaseKind(row.kind); });
    }
};

TEST_F(CaseKinds, EachKindPrintsAtItsPhysicalSizeTenMillimetresIn) {
    layOut({"1. Intro", "2. Outro"});
    for (const KindRow& row : Kinds) {
        SCOPED_TRACE(row.name);
        choose(row);
        const QString pdf = pathOf(QStringLiteral("%1.pdf").arg(row.name));
        ExportCoverPdf(pdf, PaperSize::A4, CoverToPrint());
        // The slim card and the DVD wrap are wider than A4 is across: they
        // print landscape.
        const QSizeF size = ShapeOf(row.kind, row.hole).size;
        const QImage page = RenderPdfPage(pdf, OrientationDpi);
        ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) could not render the PDF";
        EXPECT_EQ(page.width() > page.height(), size.width() > 210);
        ExpectCutAt(InkBoxMm(pdf, QRectF(QPointF(10, 10), size)), QRectF(QPointF(10, 10), size));
    }
}

TEST_F(CaseKinds, APieceLargerThanThePrintableAreaIsRefusedBeforeAnythingPrints) {
    layOut({"1. Intro"});
    choose(Kinds[1]);
    const QString pdf = pathOf("portrait.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const CoverValue cover = CoverToPrint();
    PrepareCoverPrint(printer, cover);
    printer.setPageOrientation(QPageLayout::Portrait);  // the user's choice in the dialog
    try {
        PrintCover(printer, cover);
        ADD_FAILURE() << "a 273 mm wrap printed on 210 mm";
    } catch (const SleevixError& error) {
        EXPECT_EQ(error.message(),
                  "The DVD case cover (273 x 183 mm) does not fit the printable area of this "
                  "paper (210 x 297 mm): choose landscape or larger paper");
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

// Both discs of a label sheet stand at the sheet's places, moved by the
// calibration kept between runs; plain paper takes no calibration.
TEST_F(CaseKinds, LabelSheetsTakeTwoDiscsAtTheirPlacesMovedByTheCalibration) {
    layOut({"1. Intro"});
    choose(Kinds[2]);
    SavePrinterCalibration({1.5, -2});
    const LabelSheet& a4 = LabelSheets().front();
    ChooseLabelSheet(&a4);
    const QImage page = DrawnPage(Dpi);
    ChooseLabelSheet(nullptr);
    SavePrinterCalibration({});
    ASSERT_EQ(a4.discCentres.size(), 2u);
    for (const QPointF& centre : a4.discCentres) {
        const QPointF shifted = centre + QPointF(1.5, -2);
        const QRect around(int((shifted.x() - 62) / MmPerInch * Dpi),
                           int((shifted.y() - 62) / MmPerInch * Dpi), int(124 / MmPerInch * Dpi),
                           int(124 / MmPerInch * Dpi));
        const QRect ink = InkBounds(page, around);
        EXPECT_NEAR(mm(ink.center().x()), shifted.x(), Tolerance);
        EXPECT_NEAR(mm(ink.center().y()), shifted.y(), Tolerance);
        EXPECT_NEAR(mm(ink.width()), 117, Tolerance);
    }
    EXPECT_NEAR(mm(InkBounds(DrawnPage(Dpi)).left()), 10, Tolerance);

    // Plain paper too: 2 mm across and 1 % wider move the disc (centred
    // 68.5 mm in) to 2 + 1.01 x 68.5 mm and widen it to 1.01 x 117 mm.
    SavePrinterCalibration({2, 0, 1.01, 1});
    const QRect scaled = InkBounds(DrawnPage(Dpi));
    SavePrinterCalibration({});
    EXPECT_NEAR(mm(scaled.center().x()), 2 + 1.01 * 68.5, Tolerance);
    EXPECT_NEAR(mm(scaled.width()), 1.01 * 117, Tolerance);
    EXPECT_NEAR(mm(scaled.center().y()), 68.5, Tolerance);
    // A printer that put the crosses for 20 and 190 mm at 21 and 192.7 mm.
    const AxisCalibration made = CalibrationFromMeasured(20, 21, 190, 192.7);
    EXPECT_NEAR(made.offsetMm + made.scale * 21, 20, 1e-9);
    EXPECT_NEAR(made.offsetMm + made.scale * 192.7, 190, 1e-9);
}

// A document's sheet prints on the sheet's own paper with each disc at the
// centre its maker publishes, two-up and staggered.
TEST_F(CaseKinds, DiscsLandWhereTheSheetsMakersPutThem) {
    const struct {
        const char* sheet;
        std::vector<QPointF> centres;
    } sheets[] = {{"Avery L6015", {{105.0, 79.9}, {105.0, 218.3}}},
                  {"Online Labels OL5025", {{72.62, 75.01}, {143.28, 203.61}}}};
    for (const auto& row : sheets) {
        SCOPED_TRACE(row.sheet);
        openFile(writeDocument("sheet.sleevix",
                               QStringLiteral(R"({"format": "sleevix-cover", "version": 1,
                                  "case": "disc", "sheet": "%1"})")
                                   .arg(row.sheet)
                                   .toUtf8()));
        const QString pdf = pathOf(QStringLiteral("%1.pdf").arg(row.sheet));
        ExportCoverPdf(pdf, PaperSize::A4, CoverToPrint());
        for (const QPointF& centre : row.centres) {
            const QRectF disc(centre - QPointF(58.5, 58.5), QSizeF(117, 117));
            const QRectF ink = InkBoxMm(pdf, disc);
            EXPECT_NEAR(ink.center().x(), centre.x(), 0.4);
            EXPECT_NEAR(ink.center().y(), centre.y(), 0.4);
        }
    }
}

// The label designer's templates installed on the machine offer their disc
// sheets: lengths in their units, staggered layouts, equivalents; sheets of
// other paper or smaller discs are passed over.
TEST_F(CaseKinds, InstalledLabelTemplatesOfferTheirDiscSheets) {
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath("libglabels-3.0/templates"));
    QFile file(data.filePath("libglabels-3.0/templates/maker-templates.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0"?><Glabels-templates>
      <Template brand="Maker" part="CD-2" size="A4" description="CD labels">
        <Label-cd id="0" radius="58.5mm" hole="20.5mm">
          <Layout nx="1" ny="1" x0="46.5mm" y0="21.4mm" dx="0" dy="0"/>
          <Layout nx="1" ny="1" x0="1.5in" y0="450pt" dx="0" dy="0"/>
        </Label-cd>
      </Template>
      <Template brand="Maker" part="CD-2B" equiv="CD-2"/>
      <Template brand="Maker" part="Mini" size="A4"><Label-cd radius="39mm" hole="11mm">
        <Layout nx="2" ny="3" x0="10mm" y0="10mm" dx="90mm" dy="90mm"/></Label-cd></Template>
      <Template brand="Maker" part="Odd" size="Other" width="100mm" height="100mm">
        <Label-cd radius="58.5mm" hole="20.5mm"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/>
      </Label-cd></Template></Glabels-templates>)");
    file.close();
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", data.path().toUtf8());
    const std::vector<LabelSheet> sheets = InstalledTemplateSheets();
    qputenv("XDG_DATA_DIRS", dataDirs);
    ASSERT_EQ(sheets.size(), 2u);
    for (const LabelSheet& sheet : sheets) {
        EXPECT_EQ(sheet.paper, QPageSize::A4);
        EXPECT_DOUBLE_EQ(sheet.outerDiameterMm, 117);
        EXPECT_DOUBLE_EQ(sheet.holeDiameterMm, 41);
        ASSERT_EQ(sheet.discCentres.size(), 2u);
        EXPECT_NEAR(sheet.discCentres[0].x(), 105, 1e-9);
        EXPECT_NEAR(sheet.discCentres[0].y(), 79.9, 1e-9);
        EXPECT_NEAR(sheet.discCentres[1].x(), 1.5 * 25.4 + 58.5, 1e-9);
        EXPECT_NEAR(sheet.discCentres[1].y(), 450 * 25.4 / 72 + 58.5, 1e-9);
    }
    EXPECT_EQ(LabelSheetName(sheets[1]), "Maker CD-2B");
}

// For a print shop the pictures run 3 mm past the cut and the crop marks
// lie on the cut lines and the fold extended, outside the bleed; a jewel
// case gives a page for each insert.
TEST_F(CaseKinds, APrintShopPdfBleedsThePicturesAndMarksTheCutsOutsideThem) {
    layOut({"1. Intro"});
    choosePicture(0, writePicture(pathOf("back.bmp")));
    choosePicture(1, writePicture(pathOf("front.bmp")));
    choose(Kinds[0]);
    const QString pdf = pathOf("shop.pdf");
    ExportForPrintShop(pdf, DefaultBleedMm, CoverToPrint());
    const QImage page = RenderPdfPage(pdf, Dpi);
    ASSERT_FALSE(page.isNull());
    constexpr double Margin = 3 + 1 + 5;  // bleed, gap, mark
    EXPECT_NEAR(mm(page.width()), 240 + 2 * Margin, Tolerance);
    EXPECT_NEAR(mm(page.height()), 120 + 2 * Margin, Tolerance);
    const auto pixels = [](double millimetres) { return int(millimetres / MmPerInch * Dpi); };
    const QRect pictureRow(0, pixels(Margin + 60), page.width(), 1);
    EXPECT_NEAR(mm(InkBounds(page, pictureRow).left()), Margin - 3, Tolerance);
    EXPECT_NEAR(mm(InkBounds(page, pictureRow).right() + 1), Margin + 240 + 3, Tolerance);
    for (double cut : {0.0, 120.0, 240.0}) {
        const QRect around(pixels(Margin + cut - 1), 0, pixels(2), pixels(5));
        EXPECT_NEAR(mm(InkBounds(page, around).center().x()), Margin + cut, Tolerance) << cut;
    }
    const QRect leftMark = InkBounds(page, QRect(0, 0, pixels(Margin - 3), page.height()));
    EXPECT_NEAR(mm(leftMark.top()), Margin - 0.125, Tolerance);
    EXPECT_NEAR(mm(leftMark.bottom() + 1), Margin + 120 + 0.125, Tolerance);

    run([] { Form1->JewelCase1->trigger(); });
    ExportForPrintShop(pdf, DefaultBleedMm, CoverToPrint());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);
    EXPECT_TRUE(Form1->CheckBox1->isChecked());  // the guide lines' switches are put back
}

// Many long tracks and a long artist and title shrink to fit: no ink of
// any text outside the boxes the kind gives its texts.
TEST_F(CaseKinds, TextsShrinkIntoTheirBoxes) {
    constexpr double PixelsPerMm = 8;
    constexpr double Slack = 0.3;  // mm a glyph may overhang its cell
    CaseContent content;
    content.laidOut = true;
    content.guides = {false, false, false, Qt::black};
    content.texts.artist = QStringLiteral("The Longest Named Ensemble in Recorded History");
    content.texts.separator = QStringLiteral(": ");
    content.texts.title = QStringLiteral("Collected Works, Volume Seventeen (Deluxe)");
    for (const KindRow& row : Kinds) {
        SCOPED_TRACE(row.name);
        const CaseShape& shape = ShapeOf(row.kind, row.hole);
        CaseFit fits[2];
        int pass = 0;
        for (const QStringList& tracks : {QStringList{"1. Intro"}, longTracks(MaxTracks)}) {
            content.texts.tracks = tracks;
            QImage image((shape.size * PixelsPerMm).toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(PixelsPerMm / CaseUnitsPerMm, PixelsPerMm / CaseUnitsPerMm);
            fits[pass++] = DrawCase(painter, PixelsPerMm / CaseUnitsPerMm, shape, content);
            painter.resetTransform();
            EXPECT_FALSE(InkBounds(image).isEmpty());
            for (const TextBox& box : shape.texts) {
                const QRectF grown = box.area.adjusted(-Slack, -Slack, Slack, Slack);
                painter.fillRect(QRectF(grown.topLeft() * PixelsPerMm, grown.size() * PixelsPerMm),
                                 Qt::white);
            }
            painter.end();
            EXPECT_TRUE(InkBounds(image).isEmpty()) << "ink outside the boxes at " << pass;
        }
        EXPECT_GT(fits[0].trackSize, fits[1].trackSize);
        EXPECT_GE(fits[1].trackSize, CaseLeastTextSize);
        EXPECT_GT(fits[1].frontSize, CaseLeastTextSize);
        EXPECT_EQ(fits[1].spineSize > 0, row.kind == CaseKind::Dvd);
    }
}

// Along the arcs, artist and title keep to the ring's outer band and the
// track list takes the ring beside or below the hole: 20 tracks at 5 pt or
// more, 41 at 3 pt or more; no ink off the label.
TEST_F(CaseKinds, ArcTextsAndTheTrackListKeepToTheRing) {
    constexpr double PixelsPerMm = 8;
    const CaseShape& shape = ShapeOf(CaseKind::Disc, DiscHole::Standard);
    CaseContent content;
    content.laidOut = true;
    content.guides = {false, false, false, Qt::black};
    content.texts.artist = QStringLiteral("The Examples");
    content.texts.separator = QStringLiteral(": ");
    content.texts.title = QStringLiteral("Sample Sounds of the Night");
    content.texts.discArcs = true;
    for (const auto& [count, least] : {std::pair(20, 5), std::pair(41, 3)}) {
        SCOPED_TRACE(count);
        content.texts.tracks.clear();
        for (int i = 1; i <= count; ++i)
            content.texts.tracks << QStringLiteral("%1. Track number %1 here").arg(i);
        QImage image((shape.size * PixelsPerMm).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(PixelsPerMm / CaseUnitsPerMm, PixelsPerMm / CaseUnitsPerMm);
        const CaseFit fit = DrawCase(painter, PixelsPerMm / CaseUnitsPerMm, shape, content);
        painter.end();
        EXPECT_GE(fit.trackSize, least);
        EXPECT_GT(fit.frontSize, fit.trackSize);
        const DiscRing& ring = *shape.ring;
        int stray = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double r = QLineF(ring.centre, QPointF(x + 0.5, y + 0.5) / PixelsPerMm).length();
                if (qGray(image.pixel(x, y)) < 128 && (r > ring.outerRadius || r < ring.holeRadius))
                    ++stray;
            }
        EXPECT_EQ(stray, 0);
    }
}

TEST_F(CaseKinds, TheKindIsKeptInTheDocumentAndShownWhenOpened) {
    layOut({"1. Intro"});
    for (const KindRow& row : Kinds) {
        SCOPED_TRACE(row.name);
        choose(row);
        // The full-face label goes without its track list.
        const bool fullFace = row.hole == DiscHole::FullFace;
        if (fullFace) run([] { Form1->DiscTrackList1->trigger(); });
        const CaseChoice chosen = CoverCase;
        const QString path = pathOf(QStringLiteral("%1.sleevix").arg(row.name));
        saveAs(path);
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const QByteArray json = saved.readAll();
        EXPECT_TRUE(json.contains("\"case\": \"" + CaseKindName(row.kind).toUtf8() + '"'));
        EXPECT_EQ(json.contains("\"hole\": 17"), fullFace);
        EXPECT_EQ(json.contains("\"discTrackList\": false"), fullFace);

        restart();
        EXPECT_EQ(CoverCase, CaseChoice());
        openFile(path);
        EXPECT_EQ(CoverCase, chosen);
        EXPECT_EQ(Form1->FullFaceDisc1->isChecked(), fullFace);
        EXPECT_TRUE(Form1->TabbedNotebook1->widget(0)->findChild<CaseView*>()->isVisibleTo(Form1));
        EXPECT_FALSE(Form1->Image1.image().isNull());
        EXPECT_FALSE(Form1->findChild<QWidget*>("Image1")->isVisibleTo(Form1));
    }
    EXPECT_EQ(Form1->TabbedNotebook1->tabText(1), "La&bel");
}

TEST_F(CaseKinds, FileNewAsksForTheKindAndCancelKeepsTheCover) {
    ScriptedCaseKindQuestion& asked = *caseKind;
    saveChanges->answers = {SaveChangesQuestion::Answer::Discard,
                            SaveChangesQuestion::Answer::Discard};
    layOut({"1. Intro"});
    asked.answer = CaseKind::Dvd;
    run([] { Form1->New1Click(); });
    EXPECT_EQ(CoverCase.kind, CaseKind::Dvd);
    EXPECT_EQ(TrackCount, 0);
    EXPECT_FALSE(Form1->CheckBox3->isEnabled());  // one cut outline
    EXPECT_TRUE(Form1->DvdCase1->isChecked());

    layOut({"1. Intro"});
    asked.answer.reset();
    run([] { Form1->New1Click(); });
    EXPECT_EQ(TrackCount, 1);
    EXPECT_EQ(CoverCase.kind, CaseKind::Dvd);
    run([] { Form1->JewelCase1->trigger(); });
    EXPECT_EQ(Form1->TabbedNotebook1->tabText(0), "&Back");
    EXPECT_TRUE(Form1->CheckBox3->isEnabled());
}
