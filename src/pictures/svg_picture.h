// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QByteArray>

#include "pictures/decoded_picture.h"

class QSvgRenderer;

// An SVG drawing, drawn as vectors at whatever size it is shown: the
// screen and the printed page get it sharp at their own resolution. Its
// natural size is the one the drawing declares (its width and height, or
// its view box).
class SvgPicture : public DecodedPicture {
  public:
    // The drawing's text (inflated already for .svgz). Raises "SVG image is
    // not valid" for text that is no drawing, and the errors of
    // SelfContainedSvg.
    explicit SvgPicture(const QByteArray& text);
    ~SvgPicture() override;
    int width() const override { return natural_.width(); }
    int height() const override { return natural_.height(); }
    void drawAt(QPainter& painter, QPoint at) const override;
    void drawStretched(QPainter& painter, const QRect& target) const override;
    std::optional<QImage> handOverPixels() const override { return std::nullopt; }
    std::optional<VectorDrawing> vectorDrawing() const override {
        return VectorDrawing{QImage::Format_RGB32, true};
    }

  private:
    std::unique_ptr<QSvgRenderer> renderer_;
    QSize natural_;
};
