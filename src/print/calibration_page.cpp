// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/calibration_page.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include "cases/printer_calibration.h"
#include "print/print_job.h"
#include "print/printable_area.h"
#include "print/queue_print.h"

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double CrossArmMm = 6;
constexpr double PenMm = 0.2;
constexpr double TickMm = 1.5;
constexpr double TenTickMm = 4;
constexpr int TextPoints = 9;
const QPointF TextPlaceMm(30, 35);
constexpr double TextWidthMm = 150;

void cross(QPainter& painter, QPointF at) {
    painter.drawLine(at - QPointF(CrossArmMm, 0), at + QPointF(CrossArmMm, 0));
    painter.drawLine(at - QPointF(0, CrossArmMm), at + QPointF(0, CrossArmMm));
}

// A millimetre ruler from `from` to `to` along one axis, ticks to one side.
void ruler(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const QPointF along = (to - from) / QLineF(from, to).length();
    const QPointF side(along.y(), along.x());
    const int length = int(QLineF(from, to).length());
    for (int mm = 0; mm <= length; ++mm) {
        const QPointF at = from + along * mm;
        painter.drawLine(at, at + side * (mm % 10 == 0 ? TenTickMm : TickMm));
    }
}

}  // namespace

void DrawCalibrationPage(QPainter& painter, int dotsPerInch, const QString& printer) {
    const double devicePerMm = dotsPerInch / MillimetresPerInch;
    const double left = CalibrationNominal[0], right = CalibrationNominal[1];
    const double top = CalibrationNominal[2], bottom = CalibrationNominal[3];
    painter.save();
    painter.scale(devicePerMm, devicePerMm);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, PenMm, Qt::SolidLine, Qt::FlatCap));
    for (const QPointF& at : {QPointF(left, top), QPointF(right, top), QPointF(left, bottom),
                              QPointF(right, bottom)})
        cross(painter, at);
    ruler(painter, QPointF(left, top), QPointF(right, top));
    ruler(painter, QPointF(left, top), QPointF(left, bottom));
    painter.restore();

    painter.save();
    painter.setFont(QFont(QStringLiteral("arial"), TextPoints));
    const QRectF text(TextPlaceMm * devicePerMm, QSizeF(TextWidthMm, TextWidthMm) * devicePerMm);
    painter.drawText(
        text, Qt::TextWordWrap,
        QCoreApplication::translate(
            "Cases",
            "Calibration page for %1. Measure from the paper's left edge to the middle of the "
            "crosses meant for %2 mm and %3 mm across, and from its top edge to those meant "
            "for %4 mm and %5 mm down, and type what you measured in the Calibration dialog.")
            .arg(printer.isEmpty() ? QCoreApplication::translate("Cases", "the default printer")
                                   : printer)
            .arg(left)
            .arg(right)
            .arg(top)
            .arg(bottom));
    painter.restore();
}

void PrintCalibrationPage(const QString& printer) {
    QPrinter device(QPrinter::HighResolution);
    device.setPrinterName(QueueOrDefault(printer));
    device.setDocName(QCoreApplication::translate("Cases", "Calibration page"));
    UseDeclaredMargins(device);
    PrintPage(device, [&printer](QPainter& painter, int dotsPerInch) {
        DrawCalibrationPage(painter, dotsPerInch, printer);
    });
}
