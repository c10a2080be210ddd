// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_shop_export.h"

#include <cmath>

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "base/output_file.h"
#include "base/sleevix_error.h"
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

// A piece's folds from its own left edge.
std::vector<double> foldsOf(const CasePiece& piece) {
    std::vector<double> folds;
    for (double fold : piece.folds) folds.push_back(fold - piece.cut.left());
    return folds;
}

// A shape of one piece: its pictures run into the bleed as it draws them.
ShopPage wholePage(const CoverValue& cover, const CaseShape& shape, double bleedMm) {
    return {shape.size, foldsOf(shape.pieces.front()),
            [&shape, &cover, bleedMm](QPainter& painter, double perUnit) {
                DrawCase(painter, perUnit, shape, CaseContentOf(cover, CoverUse::Print), bleedMm);
            }};
}

// One of several pieces, which lie closer to each other than the bleed: the
// piece's own pictures stretched over it grown by the bleed, then the page's
// drawing on top within the cut, moved so that the piece's corner is here.
ShopPage piecePage(const CoverValue& cover, const CaseShape& shape, const CasePiece& piece,
                   double bleedMm) {
    return {piece.cut.size(), foldsOf(piece), [&, bleedMm](QPainter& painter, double perUnit) {
                const CaseContent content = CaseContentOf(cover, CoverUse::Print);
                const QRectF cut(QPointF(), piece.cut.size() * CaseUnitsPerMm);
                const double bleed = bleedMm * CaseUnitsPerMm;
                const QRectF grown = cut.adjusted(-bleed, -bleed, bleed, bleed);
                painter.save();
                painter.setClipRect(grown);
                for (const PictureArea& area : shape.pictures) {
                    if (!piece.cut.contains(area.area)) continue;
                    const PictureBitmap picture =
                        content.picture(area.picture, (grown.size() * perUnit).toSize());
                    Canvas canvas(painter, grown.size().toSize(), CaseUnitsPerInch);
                    const QRectF onPiece(
                        (area.area.topLeft() - piece.cut.topLeft()) * CaseUnitsPerMm,
                        area.area.size() * CaseUnitsPerMm);
                    canvas.drawFramedPicture(grown.toRect(), onPiece, area.area.size(), picture,
                                             FrameOf(content, area.picture));
                }
                painter.setClipRect(cut);
                painter.translate(-piece.cut.topLeft() * CaseUnitsPerMm);
                DrawCase(painter, perUnit, shape, content);
                painter.restore();
            }};
}

std::vector<ShopPage> shopPages(const CoverValue& cover, double bleedMm) {
    const CaseShape& shape = ShapeOf(cover.kind);
    if (shape.pieces.size() == 1) return {wholePage(cover, shape, bleedMm)};
    std::vector<ShopPage> pages;
    for (const CasePiece& piece : shape.pieces) pages.push_back(piecePage(cover, shape, piece, bleedMm));
    return pages;
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
    const std::vector<ShopPage> pages = shopPages(cover, bleedMm);
    OutputFile output(path, QCoreApplication::translate("Document", "Cannot export %1: %2"));
    printer.setOutputFileName(output.writablePath());
    paintPages(printer, pages, bleedMm);
    CheckFileWrittenCompletely(output.writablePath(), path);
    output.commit();
}
