// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every decoder gives the loader: a whole file read into a picture
// with a natural size, that draws itself, and may hand its pixels over.

#include <optional>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

class DecodedPicture {
  public:
    virtual ~DecodedPicture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Draws at natural size with the top-left corner at `at`.
    virtual void drawAt(QPainter& painter, QPoint at) const = 0;
    virtual void drawStretched(QPainter& painter, const QRect& target) const = 0;
    // Plays onto the drawing meter what drawStretched costs: for most
    // pictures, the same drawing.
    virtual void weighStretched(QPainter& painter, const QRect& target) const {
        drawStretched(painter, target);
    }
    // The pixels as a bitmap, for pictures that have them; nothing otherwise.
    virtual std::optional<QImage> handOverPixels() const = 0;
    // A drawing of vectors, sharp at any size: read for an area, it is drawn
    // at that area's size rather than at its natural one, onto a bitmap of
    // this format, with or without antialiasing.
    struct VectorDrawing {
        QImage::Format format;
        bool antialiased;
    };
    virtual std::optional<VectorDrawing> vectorDrawing() const { return std::nullopt; }
};

// A decoder's result that is pixels already: at the picture's natural size,
// or smaller when it was decoded for a smaller screen area.
class RasterPicture : public DecodedPicture {
  public:
    RasterPicture(QImage pixels, bool handsOver, QSize natural = QSize())
        : pixels_(std::move(pixels)),
          handsOver_(handsOver),
          natural_(natural.isValid() ? natural : pixels_.size()) {}
    int width() const override { return natural_.width(); }
    int height() const override { return natural_.height(); }
    void drawAt(QPainter& painter, QPoint at) const override;
    void drawStretched(QPainter& painter, const QRect& target) const override;
    std::optional<QImage> handOverPixels() const override;

  private:
    QImage pixels_;
    bool handsOver_;
    QSize natural_;
};
