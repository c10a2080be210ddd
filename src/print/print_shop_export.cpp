// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_shop_export.h"

#include <cmath>

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "base/output_file.h"
#include "base/sleevix_error.h"
#include "pictures/printed_picture.h"
#include "print/print_job.h"
#include "print/print_outcome.h"
#include "render/canvas.h"
#include "render/case_content.h"
#include "render/case_render.h"

namespace {

constexpr double MarkGapMm = 1;     // between the bleed's edge and a mark
constexpr double MarkLengthMm = 5;
constexpr double MarkPenMm = 0.25;

// One page of the PDF: the piece's cut outline and folds in mm from the
// piece's top-left corner, and how to draw it with the painter at that
// corner, scaled to tenths of a millimetre.
struct ShopPage {
    QSizeF cut;
    std::vector<double> folds;
    std::function<void(QPainter&, double devicePerUnit)> draw;
};

// Marks on the cut lines extended, outside the bleed: at each corner of
// the cut, and above and below each fold.
void drawCropMarks(QPainter& painter, const ShopPage& page, double bleedMm) {
    const double near = bleedMm + MarkGapMm;
    const double far = near + MarkLengthMm;
    const double width = page.cut.width();
    const double height = page.cut.height();
    painter.save();
    painter.setPen(QPen(Qt::black, MarkPenMm, Qt::SolidLine, Qt::FlatCap));
    for (double x : {0.0, width}) {
        painter.drawLine(QLineF(x, -far, x, -near));
        painter.drawLine(QLineF(x, height + near, x, height + far));
    }
    for (double y : {0.0, height}) {
        painter.drawLine(QLineF(-far, y, -near, y));
        painter.drawLine(QLineF(width + near, y, width + far, y));
    }
    for (double x : page.folds) {
        painter.drawLine(QLineF(x, -far, x, -near));
        painter.drawLine(QLineF(x, height + near, x, height + far));
    }
    painter.restore();
}

std::vector<ShopPage> kindPages(const CoverValue& cover, double bleedMm) {
    const CaseShape& shape = ShapeOf(cover.kind);
    return {{shape.size, shape.folds, [&shape, &cover, bleedMm](QPainter& painter, double perUnit) {
                 DrawCase(painter, perUnit, shape, CaseContentOf(cover, CoverUse::Print), bleedMm);
             }}};
}

// A jewel insert: its picture stretched over the insert grown by the bleed,
// then the printed page on top within the cut, moved so that the insert's
// corner is here.
ShopPage jewelPage(const CoverValue& cover, JewelInsert insert, double bleedMm) {
    const QRect place = JewelInsertOnPage(insert);  // tenths of a mm
    const QSizeF cut = QSizeF(place.size()) / CaseUnitsPerMm;
    std::vector<double> folds;
    if (insert == JewelInsert::Back)
        for (int fold : JewelFoldsOnPage()) folds.push_back(double(fold - place.left()) / CaseUnitsPerMm);
    return {cut, folds, [=, &cover](QPainter& painter, double perUnit) {
                const double bleed = bleedMm * CaseUnitsPerMm;
                const QRectF grown = QRectF(QPointF(), QSizeF(place.size()))
                                         .adjusted(-bleed, -bleed, bleed, bleed);
                painter.save();
                painter.setClipRect(grown);
                const CoverPicture& chosen =
                    insert == JewelInsert::Back ? cover.backPicture : cover.frontPicture;
                if (chosen.chosen) {
                    const PictureBitmap picture = PictureForPrinting(
                        chosen.path, chosen.shown, (grown.size() * perUnit).toSize());
                    Canvas canvas(painter, grown.size().toSize(), CaseUnitsPerInch);
                    canvas.drawPicture(grown.toRect(), picture);
                }
                // The printed page's own drawing stops at the cut: the other
                // insert lies closer than the bleed.
                painter.setClipRect(QRectF(QPointF(), QSizeF(place.size())));
                painter.translate(-QPointF(place.topLeft()));
                painter.scale(1 / perUnit, 1 / perUnit);
                DrawCoverPage(painter, int(std::lround(perUnit * CaseUnitsPerInch)), cover);
                painter.restore();
            }};
}

void paintPages(QPrinter& printer, const std::vector<ShopPage>& pages, double bleedMm) {
    const double margin = bleedMm + MarkGapMm + MarkLengthMm;
    QPainter painter;
    for (size_t i = 0; i < pages.size(); ++i) {
        const ShopPage& page = pages[i];
        const QSizeF paper = page.cut + QSizeF(2 * margin, 2 * margin);
        // Qt keeps a page size upright and turns it by the orientation.
        const bool wide = paper.width() > paper.height();
        printer.setPageLayout(QPageLayout(
            QPageSize(wide ? paper.transposed() : paper, QPageSize::Millimeter, QString(),
                      QPageSize::ExactMatch),
            wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        if (i == 0 ? !painter.begin(&printer) : !printer.newPage())
            throw SleevixError(QCoreApplication::translate("Document", "Cannot export: the PDF could not be started"));
        const double devicePerMm = printer.resolution() / MillimetresPerInch;
        painter.save();
        painter.scale(devicePerMm, devicePerMm);
        painter.translate(margin, margin);
        drawCropMarks(painter, page, bleedMm);
        painter.scale(1.0 / CaseUnitsPerMm, 1.0 / CaseUnitsPerMm);
        page.draw(painter, devicePerMm / CaseUnitsPerMm);
        painter.restore();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw SleevixError(QCoreApplication::translate("Document", "Cannot export: the PDF writer reported an error"));
}

}  // namespace

void ExportForPrintShop(const QString& path, double bleedMm, const CoverValue& printed) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    PrepareCoverPrint(printer, printed);
    // The guide lines stay off the print shop's pages: the marks say where
    // to cut and fold.
    CoverValue cover = printed;
    cover.guides.folds = cover.guides.back = cover.guides.front = false;
    const std::vector<ShopPage> pages =
        cover.kind.kind == CaseKind::Jewel
            ? std::vector<ShopPage>{jewelPage(cover, JewelInsert::Back, bleedMm),
                                    jewelPage(cover, JewelInsert::Front, bleedMm)}
            : kindPages(cover, bleedMm);
    OutputFile output(path, QCoreApplication::translate("Document", "Cannot export %1: %2"));
    printer.setOutputFileName(output.writablePath());
    paintPages(printer, pages, bleedMm);
    CheckFileWrittenCompletely(output.writablePath(), path);
    output.commit();
}
