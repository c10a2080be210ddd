// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printable_area.h"

#include <QPageLayout>
#include <QPrinter>

void UsePrintableAreaAsOrigin(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
}
