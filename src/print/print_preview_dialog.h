// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/platform_seams.h"

// Qt's preview of the printer's page, printable area included, with
// "Print..." to go on to the print dialog and "Close".
class ScreenPrintPreviewDialog : public PrintPreviewDialog {
  public:
    bool Execute(QPrinter& printer, QWidget* parent,
                 const std::function<void(QPrinter&)>& drawPage) override;
};
