// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a picture lies in its area: stretched over it (every cover before
// framing), filling it with its aspect kept and the overflow cut off, or
// fitting whole inside it on a background; zoomed and moved from there,
// turned by quarter turns and mirrored.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

enum class PictureFit { Stretch, Fill, Fit };

struct PictureFrame {
    PictureFit fit = PictureFit::Stretch;
    double zoomPercent = 100;  // of the filling or fitting size
    QPointF offsetMm;          // across and down from centred
    int turn = 0;              // quarter turns clockwise, in degrees: 0, 90, 180, 270
    bool mirror = false;       // left and right exchanged, before the turn
    QColor background = QColor(Qt::white);
};
bool operator==(const PictureFrame& a, const PictureFrame& b);
inline bool operator!=(const PictureFrame& a, const PictureFrame& b) {
    return !(a == b);
}

inline constexpr double LeastZoomPercent = 100;
inline constexpr double MostZoomPercent = 800;

// Whether the frame draws the picture exactly as stretching it would.
bool IsPlainStretch(const PictureFrame& frame);

// Where a picture of `pixels` lies for an `area` (in the device's units)
// that measures `areaMm` on paper: the transform from the picture's pixels
// to those units.
QTransform FramedPicturePlace(QSizeF pixels, const QRectF& area, QSizeF areaMm,
                              const PictureFrame& frame);
