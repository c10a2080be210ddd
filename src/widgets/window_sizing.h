// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// Gives a top-level window the outer size `outer`, frame included, but never
// a client area too small for its controls (desktop frames differ), and
// centres it on its screen. The desktop's frame is known only once the window
// manager has framed the window, so when that frame appears or changes after
// this call, the window is sized and centred again for it; moving the window
// later is left to the user.
void SizeAndCentreWindow(QWidget& window, QSize outer);
