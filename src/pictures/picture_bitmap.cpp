// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_bitmap.h"

#include "render/canvas.h"

void PictureBitmap::drawStretched(Canvas& canvas, const QRect& target) const {
    if (pixels_.isNull()) return;
    // Pictures are drawn opaque: a transparent part shows its colour.
    if (pixels_.hasAlphaChannel())
        canvas.stretchDraw(target, pixels_.convertToFormat(QImage::Format_RGB32));
    else
        canvas.stretchDraw(target, pixels_);
}
