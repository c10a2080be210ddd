// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/case_image.h"

#include <cmath>

#include <QPainter>

#include "render/canvas.h"
#include "render/case_content.h"

namespace {
constexpr double ScreenPixelsPerMm = Canvas::ScreenPixelsPerInch / MillimetresPerInch;
}  // namespace

QImage CaseImageAt(const CoverValue& cover, double pixelsPerMm) {
    const CaseShape& shape = ShapeOf(cover.kind);
    const QSize size(int(std::ceil(shape.size.width() * pixelsPerMm)),
                     int(std::ceil(shape.size.height() * pixelsPerMm)));
    QImage image(size.expandedTo({1, 1}), QImage::Format_RGB32);
    image.fill(Qt::white);
    const double perUnit = pixelsPerMm / CaseUnitsPerMm;
    QPainter painter(&image);
    painter.scale(perUnit, perUnit);
    DrawCase(painter, perUnit, shape, CaseContentOf(cover, CoverUse::Screen));
    return image;
}

QImage CaseImage(const CoverValue& cover, int scale) {
    QImage image = CaseImageAt(cover, ScreenPixelsPerMm * scale);
    const int dotsPerMetre = int(std::lround(ScreenPixelsPerMm * 1000 * scale));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QSize CaseImageSize(const CoverValue& cover) {
    const QSizeF size = ShapeOf(cover.kind).size * ScreenPixelsPerMm;
    return QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
}
