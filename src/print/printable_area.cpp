// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printable_area.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>

namespace {

// The margins the printer declares, in mm, turned to the orientation
// printed.
QMarginsF declaredMargins(const QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    const QPageLayout::Unit units = layout.units();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF upright = layout.minimumMargins();
    layout.setUnits(units);
    const bool turnedByQueue = printer.outputFormat() == QPrinter::NativeFormat &&
                               layout.orientation() == QPageLayout::Landscape;
    if (!turnedByQueue) return upright;
    return QMarginsF(upright.bottom(), upright.left(), upright.top(), upright.right());
}

}  // namespace

PrintableArea PrintableAreaOf(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF area = paper.marginsRemoved(declaredMargins(printer));
    return {area.size(), area.topLeft(), layout.orientation() == QPageLayout::Landscape};
}

void UseDeclaredMargins(QPrinter& printer) {
    const QMarginsF margins = declaredMargins(printer);
    printer.setFullPage(true);
    printer.setPageMargins(margins, QPageLayout::Millimeter);
}
