// SPDX-License-Identifier: GPL-3.0-or-later
// "Print Preview": the page as it will print on the printer the print
// dialog offers, and from there on to "Print".

#include <QPrinter>

#include "app/main_window.h"
#include "print/print_job.h"
#include "print/printable_area.h"

void TForm1::PrintPreview1Click() {
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrint(printer);
    PrintDialog1->OfferLastChoice(printer);
    // The page is laid out from the printable area before it is shown.
    UsePrintableAreaAsOrigin(printer);
    if (PrintPreviewDialog1->Execute(printer, this, &PaintCoverPage)) Button4Click();
}
