// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include "support/qt_printers.h"

// A control stands at its designed place and size; a caption control may be
// wider, exactly enough to show its whole caption.
inline void ExpectPlaced(const QWidget* control, QRect designed) {
    QRect expected = designed;
    if (qobject_cast<const QLabel*>(control) || qobject_cast<const QCheckBox*>(control))
        expected.setWidth(std::max(designed.width(), control->sizeHint().width()));
    EXPECT_EQ(control->geometry(), expected);
}
