// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture_frame.h"

#include <algorithm>

namespace {
constexpr double PercentPerScale = 100;
}  // namespace

bool operator==(const PictureFrame& a, const PictureFrame& b) {
    return a.fit == b.fit && a.zoomPercent == b.zoomPercent && a.offsetMm == b.offsetMm &&
           a.turn == b.turn && a.mirror == b.mirror && a.background == b.background;
}

bool IsPlainStretch(const PictureFrame& frame) {
    return frame.fit == PictureFit::Stretch && frame.turn == 0 && !frame.mirror;
}

QTransform FramedPicturePlace(QSizeF pixels, const QRectF& area, QSizeF areaMm,
                              const PictureFrame& frame) {
    const bool across = frame.turn == 90 || frame.turn == 270;
    const QSizeF turned = across ? pixels.transposed() : pixels;
    double scaleX = area.width() / turned.width();
    double scaleY = area.height() / turned.height();
    QPointF offset;
    if (frame.fit != PictureFit::Stretch) {
        const double zoom =
            std::clamp(frame.zoomPercent, LeastZoomPercent, MostZoomPercent) / PercentPerScale;
        const double kept = frame.fit == PictureFit::Fill ? std::max(scaleX, scaleY)
                                                          : std::min(scaleX, scaleY);
        scaleX = scaleY = kept * zoom;
        if (areaMm.width() > 0 && areaMm.height() > 0)
            offset = QPointF(frame.offsetMm.x() * area.width() / areaMm.width(),
                             frame.offsetMm.y() * area.height() / areaMm.height());
    }
    QTransform place;
    place.translate(area.center().x() + offset.x(), area.center().y() + offset.y());
    place.scale(scaleX, scaleY);
    place.rotate(frame.turn);
    if (frame.mirror) place.scale(-1, 1);
    place.translate(-pixels.width() / 2, -pixels.height() / 2);
    return place;
}
