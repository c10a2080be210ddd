#include "pictures/picture_bitmap.h"

#include "render/canvas.h"

void PictureBitmap::drawStretched(Canvas& canvas, const QRect& target) const {
    canvas.stretchDraw(target, pixels_);
}
