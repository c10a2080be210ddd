// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QByteArray>

#include <vector>

#include "pictures/decoders/decoded_picture.h"
#include "pictures/svg/svg_work.h"

class QSvgRenderer;
typedef struct _RsvgHandle RsvgHandle;

// Releases the renderer's drawing; defined where GLib's headers are seen.
struct RsvgHandleRelease {
    void operator()(RsvgHandle* drawing) const;
};

// An SVG drawing, drawn in full (clip paths, masks, filters, patterns,
// style sheets) by librsvg at whatever size it is shown: the screen and
// the printed page get it sharp at their own resolution. Its natural size
// is the one the drawing declares (its width and height, or its view box).
class SvgPicture : public DecodedPicture {
  public:
    // The drawing's text (inflated already for .svgz). Raises "SVG image is
    // not valid" for text that is no drawing, and the errors of
    // SelfContainedSvg.
    // `weighed`: refused when its tally passes the budget (a drawing drawn
    // in the program itself); otherwise a deadline bounds it.
    explicit SvgPicture(const QByteArray& text, bool weighed = true);
    ~SvgPicture() override;
    int width() const override { return natural_.width(); }
    int height() const override { return natural_.height(); }
    void drawAt(QPainter& painter, QPoint at) const override;
    void drawStretched(QPainter& painter, const QRect& target) const override;
    void weighStretched(QPainter& painter, const QRect& target) const override;
    std::optional<QImage> handOverPixels() const override { return std::nullopt; }
    std::optional<VectorDrawing> vectorDrawing() const override {
        return VectorDrawing{QImage::Format_RGB32, true};
    }

  private:
    // Draws the whole drawing stretched over `stretched` onto cairo pixels
    // of the given cairo format.
    void render(unsigned char* pixels, int format, QSize size, int stride,
                const QRectF& stretched) const;

    std::unique_ptr<RsvgHandle, RsvgHandleRelease> drawing_;
    // The same drawing as Qt's renderer reads it: its shapes, strokes and
    // text, played onto the drawing meter to weigh the rasteriser's work.
    std::unique_ptr<QSvgRenderer> geometry_;
    // The renderer's work for each pixel beyond the shapes: layers and
    // filter steps (SelfContained).
    long long pixelWork_ = 0;
    long long scaledPixelWork_ = 0;
    std::vector<SvgWorkTally::RegionalFilter> regionalFilters_;
    QSizeF declared_;
    QSize natural_;
};
