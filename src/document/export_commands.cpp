// SPDX-License-Identifier: GPL-3.0-or-later
// "Export as PDF..." and "Export as PNG...": the printed page, or the cover
// as the window shows it, into a file.

#include "app/main_window.h"
#include "document/cover_export.h"
#include "document/document_dialogs.h"

void TForm1::ExportPdf1Click() {
    if (!ExportDialog1->Execute(ExportKind::Pdf, this)) return;
    ExportCoverPdf(ExportDialog1->FileName, ExportDialog1->Paper);
}

void TForm1::ExportPng1Click() {
    if (!ExportDialog1->Execute(ExportKind::Png, this)) return;
    ExportCoverPng(ExportDialog1->FileName, ExportDialog1->Scale);
}
