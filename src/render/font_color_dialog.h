// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/platform_seams.h"

// Typeface and colour in one dialog: Qt's font chooser with a colour choice
// beneath it (the 16 standard colours and "Custom...").
class ScreenFontDialog : public FontDialog {
  public:
    bool Execute(QWidget* parent) override;
};
