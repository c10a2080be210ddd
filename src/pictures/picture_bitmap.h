#pragma once

#include <QImage>
#include <QRect>

class Canvas;

// A picture read from a file: its natural size and the pixel format its
// decoder delivered (24 bits on the conversion path).
class PictureBitmap {
  public:
    PictureBitmap() = default;
    explicit PictureBitmap(QImage pixels) : pixels_(std::move(pixels)) {}

    bool isNull() const { return pixels_.isNull(); }
    int width() const { return pixels_.width(); }
    int height() const { return pixels_.height(); }
    int bitsPerPixel() const { return pixels_.isNull() ? 0 : pixels_.depth(); }
    const QImage& pixels() const { return pixels_; }

    void drawStretched(Canvas& canvas, const QRect& target) const;

  private:
    QImage pixels_;
};
