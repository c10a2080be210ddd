// SPDX-License-Identifier: GPL-3.0-or-later
// What the about box does: sizing, closing, the link and its hover cursor.

#include <cmath>

#include <QApplication>
#include <QFrame>
#include <QLabel>

#include "about/about_box.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "widgets/window_sizing.h"

namespace {
// The window keeps these proportions to its panel.
constexpr double HeightFactor = 1.075;
constexpr double WidthFactor = 1.019;
}  // namespace

void TForm3::FormShow() {
    SizeAndCentreWindow(*this, QSize(int(std::lround(Panel1->width() * WidthFactor)),
                                     int(std::lround(Panel1->height() * HeightFactor))));
}

void TForm3::Button1Click() {
    close();
}

void TForm3::Label6Click() {
    // Like the shell's open: a failure (no browser) is not reported.
    try {
        WebBrowser1->Open(Label6->text());
    } catch (...) {
    }
}

bool TForm3::handCursorShowing() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::PointingHandCursor;
}

// The hand is the application's cursor, not the link's own: it stays until
// the pointer moves over the panel or the window itself.
void TForm3::Label6MouseMove() {
    if (!handCursorShowing()) QApplication::setOverrideCursor(Qt::PointingHandCursor);
}

void TForm3::Panel1MouseMove() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void TForm3::FormMouseMove() {
    Panel1MouseMove();
}

void TForm1::BitBtn4Click() {
    Form3->exec();
}
