// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include "support/pdf_pages.h"
#include "support/qt_printers.h"

// A control stands at its designed place and size; a caption control may be
// wider, exactly enough to show its whole caption.
inline void ExpectPlaced(const QWidget* control, QRect designed) {
    QRect expected = designed;
    if (qobject_cast<const QLabel*>(control) || qobject_cast<const QCheckBox*>(control))
        expected.setWidth(std::max(designed.width(), control->sizeHint().width()));
    EXPECT_EQ(control->geometry(), expected);
}

// A cut outline, its line lying on the piece with its outer edge on the
// cut, inks `inkMm` (InkBoxMm): the cut lies at `cutMm` within 0.1 mm and
// a pixel's rounding.
inline void ExpectCutAt(const QRectF& inkMm, const QRectF& cutMm) {
    constexpr double Tolerance = 0.1 + 25.4 / InkBoxDotsPerInch;
    ASSERT_FALSE(inkMm.isEmpty()) << "no ink around the cut, or pdftoppm (poppler-utils) failed";
    EXPECT_NEAR(inkMm.left(), cutMm.left(), Tolerance);
    EXPECT_NEAR(inkMm.top(), cutMm.top(), Tolerance);
    EXPECT_NEAR(inkMm.width(), cutMm.width(), Tolerance);
    EXPECT_NEAR(inkMm.height(), cutMm.height(), Tolerance);
}
