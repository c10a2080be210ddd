// SPDX-License-Identifier: GPL-3.0-or-later
// "Print Preview": the page as it will print on the printer the print
// dialog offers, and from there on to "Print".

#include <QPrinter>

#include "app/cover_operations.h"
#include "app/main_window.h"
#include "print/print_job.h"
#include "print/printable_area.h"

void TForm1::PrintPreview1Click() {
    const CoverValue cover = CoverToPrint();
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrint(printer, cover);
    PrintDialog1->OfferLastChoice(printer);
    // The page is laid out from the printable area before it is shown.
    UseDeclaredMargins(printer);
    const auto drawPage = [&cover](QPrinter& shown) { PaintCoverPage(shown, cover); };
    if (PrintPreviewDialog1->Execute(printer, this, drawPage)) Button4Click();
}
