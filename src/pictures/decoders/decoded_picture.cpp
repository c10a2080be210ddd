// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/decoded_picture.h"

#include <QPainter>

void RasterPicture::drawAt(QPainter& painter, QPoint at) const {
    painter.drawImage(QRect(at, natural_), pixels_);
}

void RasterPicture::drawStretched(QPainter& painter, const QRect& target) const {
    painter.drawImage(target, pixels_);
}

std::optional<QImage> RasterPicture::handOverPixels() const {
    if (!handsOver_) return std::nullopt;
    return pixels_;
}
