// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/caption_fit.h"

#include <QWidget>

void WidenToShowCaption(QWidget& control) {
    const int needed = control.sizeHint().width();
    if (needed > control.width()) control.resize(needed, control.height());
}
