// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that change the cover's look: typeface and colour, centred or
// flush-left track lines, and the front texts on or off.

#include <QTabWidget>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/main_window.h"

void TForm1::Button1Click() {
    if (FontDialog1->Execute(this)) {
        // Only typeface and colour count: the layout fits the size itself.
        if (TabbedNotebook1->currentIndex() == BackPage) {
            BackFontName = FontDialog1->Font.family();
            BackFontColor = FontDialog1->Color;
        } else {
            FrontFontName = FontDialog1->Font.family();
            FrontFontColor = FontDialog1->Color;
        }
    }
    RefreshCover();
}

void TForm1::BitBtn1Click() {
    CenteredLayout = true;
    RenderCover();
}

void TForm1::BitBtn2Click() {
    CenteredLayout = false;
    RefreshCover();
}

void TForm1::CheckBox4Click() {
    if (CoverCommitted) RefreshCover();
}
