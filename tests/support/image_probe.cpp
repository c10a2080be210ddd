// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/image_probe.h"

namespace {
constexpr QRgb White = 0xffffffff;
}

QRect InkBounds(const QImage& image, QRect area) {
    if (area.isNull()) area = image.rect();
    area &= image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != White) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QList<QPoint> PixelsOfColour(const QImage& image, QRgb colour) {
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == (colour | 0xff000000)) found << QPoint(x, y);
    return found;
}

bool AllPixels(const QImage& image, QRect area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != (colour | 0xff000000)) return false;
    return true;
}
