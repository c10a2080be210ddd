// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

// The smallest rectangle holding every pixel of `area` that is not white;
// an empty rectangle when there is none.
QRect InkBounds(const QImage& image, QRect area = QRect());

// Every pixel of `image` with exactly the given colour, row by row.
QList<QPoint> PixelsOfColour(const QImage& image, QRgb colour);

// True when every pixel of `area` has the given colour.
bool AllPixels(const QImage& image, QRect area, QRgb colour);
