// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/current_cover.h"
#include "support/drawn_page.h"

#include <QPainter>

#include "print/case_page.h"

namespace {
constexpr double MmPerInch = 25.4;
constexpr double A4WidthMm = 210, A4HeightMm = 297;
}  // namespace

QSize A4Pixels(int dpi) {
    return QSize(qRound(A4WidthMm / MmPerInch * dpi), qRound(A4HeightMm / MmPerInch * dpi));
}

QImage DrawnPage(int dpi) {
    QImage page(A4Pixels(dpi), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dpi / MmPerInch * 1000);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawCoverPage(painter, dpi, CurrentCover(CoverUse::Print));
    return page;
}
