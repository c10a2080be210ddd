// SPDX-License-Identifier: GPL-3.0-or-later
// "Export as PDF...", "Export as PNG..." and "Export for print shop...": the
// printed page, the cover as the window shows it, or the pieces with bleed
// and crop marks, into a file.

#include <QFileInfo>

#include "app/cover_operations.h"
#include "app/current_cover.h"
#include "app/document_session.h"
#include "app/main_window.h"
#include "document/cover_export.h"
#include "document/document_dialogs.h"
#include "print/print_shop_export.h"

namespace {
// Beside the document, under its name, when the cover has one.
void suggestName(ExportDialog& dialog, const char* extension) {
    if (!CurrentDocument || CurrentDocument->filePath().isEmpty()) return;
    const QFileInfo document(CurrentDocument->filePath());
    dialog.FileName = document.path() + QLatin1Char('/') + document.completeBaseName() +
                      QLatin1Char('.') + QLatin1String(extension);
}
}  // namespace

void TForm1::ExportPdf1Click() {
    suggestName(*ExportDialog1, "pdf");
    if (!ExportDialog1->Execute(ExportKind::Pdf, this)) return;
    ExportCoverPdf(ExportDialog1->FileName, ExportDialog1->Paper, CoverToPrint());
}

void TForm1::ExportPrintShop1Click() {
    suggestName(*ExportDialog1, "pdf");
    if (!ExportDialog1->Execute(ExportKind::PrintShop, this)) return;
    ExportForPrintShop(ExportDialog1->FileName, ExportDialog1->Bleed, CoverToPrint());
}

void TForm1::ExportPng1Click() {
    suggestName(*ExportDialog1, "png");
    if (!ExportDialog1->Execute(ExportKind::Png, this)) return;
    ExportCoverPng(ExportDialog1->FileName, ExportDialog1->Scale, CurrentCover());
}
