// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QPointF>

class QPrinter;

// The printable area of a page, in mm: its size, and how far its top-left
// corner lies from the paper's, in the orientation printed.
struct PrintableArea {
    QSizeF size;
    QPointF corner;
    bool landscape = false;
};

// The printable area the printer declares. A queue declares its margins for
// upright paper and turns a landscape page a quarter turn counter-clockwise
// onto it, as CUPS does: the upright bottom margin becomes the left one.
// Qt keeps the upright margins unturned, so its own landscape area would
// reach past the printable one.
PrintableArea PrintableAreaOf(const QPrinter& printer);

// Lays the page out from the paper's corner with the declared printable
// area as its margins, so that pages are placed by PrintableAreaOf in
// either orientation; Qt's 10 pt default margins, and the larger margins of
// a printer chosen first, no longer count.
void UseDeclaredMargins(QPrinter& printer);
