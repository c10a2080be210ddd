// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own commands: start-up, showing, "Edit Tracks", "Close".

#include <cmath>

#include <QCheckBox>
#include <QFrame>
#include <QMenuBar>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "pictures/picture_format_table.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"
#include "widgets/window_sizing.h"

namespace {
// The window keeps these proportions to its toolbar and notebook.
constexpr double HeightFactor = 1.055;
constexpr double WidthFactor = 1.013;
constexpr int HeightAllowance = 8;
}  // namespace

void TForm1::FormCreate() {
    OpenPictureDialog1->DefaultExt = DefaultPictureExtension();
    OpenPictureDialog1->Filter = BuildPictureFilter();

    for (Canvas* surface : {&Image1, &Image2, &Image3, &Image4}) surface->fillSurface();

    // The outline switches draw their start state on the blank inserts.
    if (CheckBox1->isChecked()) CheckBox1Click();
    if (CheckBox2->isChecked()) CheckBox2Click();
    if (CheckBox3->isChecked()) CheckBox3Click();

    setSwatchColor(ColorDialog1->Color);
    CenteredLayout = false;
}

void TForm1::FormShow() {
    // The menu bar comes on top of the designed window.
    const int outerHeight =
        int(std::lround((TabbedNotebook1->height() + Panel1->height() + HeightAllowance) *
                        HeightFactor)) +
        MainMenu1->height();
    const int outerWidth = int(std::lround(Panel1->width() * WidthFactor));
    SizeAndCentreWindow(*this, QSize(outerWidth, outerHeight));
}

void TForm1::Button3Click() {
    Form2->exec();
    // However the editor was closed; the look commands only once there is a
    // committed cover to change: closed without "Continue", they would lay
    // out the editor's prompts.
    button4->setEnabled(true);
    for (QWidget* look : {static_cast<QWidget*>(Button1), static_cast<QWidget*>(BitBtn1),
                          static_cast<QWidget*>(BitBtn2)})
        look->setEnabled(look->isEnabled() || CoverCommitted);
}

void TForm1::BitBtn3Click() {
    close();
}
