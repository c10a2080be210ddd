#pragma once

#include <QSize>

class QWidget;

// Gives a top-level window the outer size `outer`, frame included, but never
// a client area too small for its controls (desktop frames differ), and
// centres it on its screen.
void SizeAndCentreWindow(QWidget& window, QSize outer);
