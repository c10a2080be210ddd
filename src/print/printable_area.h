// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPrinter;

// Makes the printer's own printable area the page's origin: the margins
// become the smallest the chosen printer (or the PDF writer) allows. Qt keeps
// its 10 pt default margins, and the larger margins of a printer chosen
// first, unless told otherwise.
void UsePrintableAreaAsOrigin(QPrinter& printer);
