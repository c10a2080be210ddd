// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// A picture read from a file: its natural size and the pixel format its
// decoder delivered (24 bits on the conversion path). A picture read for the
// screen may hold fewer pixels than its natural size; it is drawn stretched.
class PictureBitmap {
  public:
    PictureBitmap() = default;
    explicit PictureBitmap(QImage pixels, QSize natural = QSize())
        : pixels_(std::move(pixels)), natural_(natural.isValid() ? natural : pixels_.size()) {}

    bool isNull() const { return pixels_.isNull(); }
    int width() const { return natural_.width(); }
    int height() const { return natural_.height(); }
    int bitsPerPixel() const { return pixels_.isNull() ? 0 : pixels_.depth(); }
    const QImage& pixels() const { return pixels_; }

  private:
    QImage pixels_;
    QSize natural_;
};
