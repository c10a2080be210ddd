// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/case_page.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/sleevix_error.h"
#include "cases/label_sheets.h"
#include "cases/printer_calibration.h"
#include "render/case_content.h"
#include "render/case_render.h"

namespace {

constexpr double PreferredInsetMm = 10;
// A hair of rounding in the printer's margins must not refuse a piece that
// fits.
constexpr double Tolerance = 0.05;

QString millimetres(QSizeF size) {
    // Tenths of a millimetre at most, without trailing zeros.
    const auto number = [](double mm) { return QString::number(std::round(mm * 10) / 10, 'g', 6); };
    return QCoreApplication::translate("Cases", "%1 x %2 mm").arg(number(size.width()), number(size.height()));
}

bool holds(QSizeF room, QSizeF piece) {
    return piece.width() <= room.width() + Tolerance && piece.height() <= room.height() + Tolerance;
}

// Names the area and what would hold the piece: the other orientation, or
// else larger paper or a printer that prints closer to the edge.
[[noreturn]] void doesNotFit(const CaseShape& shape, const PrintableArea& area) {
    const QString kind = CaseKindCaption(shape.kind);
    const QString piece = millimetres(shape.size);
    const QSizeF turned = area.size.transposed();
    if (holds(turned, shape.size) && !area.landscape)
        throw SleevixError(
            QCoreApplication::translate("Cases",
                                        "The %1 cover (%2) does not fit the printable area of this "
                                        "paper (%3): choose landscape or larger paper")
                .arg(kind, piece, millimetres(area.size)));
    if (holds(turned, shape.size))
        throw SleevixError(
            QCoreApplication::translate("Cases",
                                        "The %1 cover (%2) does not fit the printable area of this "
                                        "paper in landscape (%3): choose portrait or larger paper")
                .arg(kind, piece, millimetres(area.size)));
    const QSizeF upright = area.landscape ? turned : area.size;
    throw SleevixError(
        QCoreApplication::translate("Cases",
                                    "The %1 cover (%2) does not fit the printable area of this "
                                    "paper, %3 upright or %4 in landscape: choose larger paper or "
                                    "a printer that prints closer to the paper's edge")
            .arg(kind, piece, millimetres(upright), millimetres(upright.transposed())));
}

// Where the calibration draws what belongs at `onPaper` (mm from the
// paper's corner).
QRectF calibrated(const QRectF& onPaper, const PrinterCalibration& calibration) {
    return QRectF(calibration.acrossMm + calibration.acrossScale * onPaper.x(),
                  calibration.downMm + calibration.downScale * onPaper.y(),
                  calibration.acrossScale * onPaper.width(), calibration.downScale * onPaper.height());
}

// The printer whose calibration a page takes: none for a PDF file or a
// picture, which take the calibration for every printer.
QString calibratedPrinter(const QPaintDevice* device) {
    const auto* printer = dynamic_cast<const QPrinter*>(device);
    return printer && printer->outputFormat() == QPrinter::NativeFormat ? printer->printerName()
                                                                        : QString();
}

// The sheet a disc label prints on; none for plain paper and other kinds.
const LabelSheet* sheetOf(const CoverValue& cover) {
    return cover.kind.kind == CaseKind::Disc ? cover.sheet : nullptr;
}

}  // namespace

std::vector<QPointF> CaseCopies(const CaseShape& shape, const PrintableArea& area,
                                const LabelSheet* sheet, const PrinterCalibration& calibration) {
    if (shape.pageCorner) return {*shape.pageCorner};
    if (!sheet) {
        const QSizeF room = area.size - shape.size;
        if (!holds(area.size, shape.size)) doesNotFit(shape, area);
        return {QPointF(std::clamp(room.width() / 2, 0.0, PreferredInsetMm),
                        std::clamp(room.height() / 2, 0.0, PreferredInsetMm))};
    }
    std::vector<QPointF> copies;
    const QPointF half(shape.size.width() / 2, shape.size.height() / 2);
    const QRectF printable(QPointF(), area.size);
    for (const QPointF& centre : sheet->discCentres) {
        const QPointF corner = centre - half - area.corner;
        const QRectF disc = calibrated(QRectF(centre - half, shape.size), calibration)
                                .translated(-area.corner);
        if (!printable.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).contains(disc))
            throw SleevixError(
                QCoreApplication::translate(
                    "Cases",
                    "A disc on the %1 reaches past the printable area of this printer (%2 from "
                    "%3 mm across, %4 mm down): the printer cannot print that close to the "
                    "sheet's edge")
                    .arg(LabelSheetName(*sheet), millimetres(area.size),
                         QString::number(area.corner.x(), 'g', 4),
                         QString::number(area.corner.y(), 'g', 4)));
        copies.push_back(corner);
    }
    return copies;
}

void CheckCaseFitsPrinter(const CoverValue& cover, const QPrinter& printer) {
    CaseCopies(ShapeOf(cover.kind), PrintableAreaOf(printer), sheetOf(cover),
               LoadPrinterCalibration(calibratedPrinter(&printer)));
}

QString SheetPaperNote(const QPrinter& printer, const CoverValue& cover) {
    const LabelSheet* sheet = sheetOf(cover);
    if (!sheet || printer.outputFormat() != QPrinter::NativeFormat) return QString();
    const QList<QPageSize> sizes = QPrinterInfo(printer).supportedPageSizes();
    const bool listed = std::any_of(sizes.begin(), sizes.end(), [&](const QPageSize& size) {
        return size.id() == sheet->paper;
    });
    if (listed) return QString();
    return QCoreApplication::translate("Cases",
                                       "The printer \"%1\" does not list %2 paper, which the %3 "
                                       "sheet is: its discs may not land on the labels")
        .arg(printer.printerName(), QPageSize(sheet->paper).name(), LabelSheetName(*sheet));
}

void SetPaperForCase(const CoverValue& cover, QPrinter& printer) {
    const CaseShape& shape = ShapeOf(cover.kind);
    if (const LabelSheet* sheet = sheetOf(cover)) {
        printer.setPageSize(QPageSize(sheet->paper));
        printer.setPageOrientation(QPageLayout::Portrait);
        return;
    }
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    if (shape.size.width() > std::min(paper.width(), paper.height()))
        printer.setPageOrientation(QPageLayout::Landscape);
}

void DrawCoverPage(QPainter& painter, int dotsPerInch, const CoverValue& cover) {
    const CaseShape& shape = ShapeOf(cover.kind);
    const double devicePerMm = dotsPerInch / MillimetresPerInch;
    // A printer knows where its printable area lies on the paper; a raster
    // page is printable from its corner.
    const QSizeF device = QSizeF(painter.device()->width(), painter.device()->height()) / devicePerMm;
    PrintableArea area{device, QPointF(), device.width() > device.height()};
    QPointF origin;  // the painter's origin on the paper
    if (const auto* printer = dynamic_cast<const QPrinter*>(painter.device())) {
        area = PrintableAreaOf(*printer);
        origin = printer->pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    }
    const PrinterCalibration calibration = LoadPrinterCalibration(calibratedPrinter(painter.device()));
    std::vector<QPointF> copies{QPointF()};
    try {
        copies = CaseCopies(shape, area, sheetOf(cover), calibration);
    } catch (const SleevixError&) {
        // Printing checks first; a preview shows what would be cut off.
    }
    const QPointF offset(calibration.acrossMm, calibration.downMm);
    const bool scaled = calibration.acrossScale != 1 || calibration.downScale != 1;
    const CaseContent content = CaseContentOf(cover, CoverUse::Print);
    for (const QPointF& corner : copies) {
        painter.save();
        painter.scale(devicePerMm / CaseUnitsPerMm, devicePerMm / CaseUnitsPerMm);
        // What belongs at p on the paper is drawn at offset + scale x p.
        if (scaled) {
            painter.translate((offset - origin) * CaseUnitsPerMm);
            painter.scale(calibration.acrossScale, calibration.downScale);
            painter.translate((area.corner + corner) * CaseUnitsPerMm);
        } else {
            painter.translate((area.corner - origin + corner + offset) * CaseUnitsPerMm);
        }
        DrawCase(painter, devicePerMm / CaseUnitsPerMm, shape, content);
        painter.restore();
    }
}
