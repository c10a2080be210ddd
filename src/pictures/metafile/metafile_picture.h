// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include "pictures/decoders/decoded_picture.h"
#include "pictures/metafile/metafile_format.h"

// A Windows metafile or enhanced metafile, read whole and played onto a
// painter whenever it is drawn.
class MetafilePicture : public DecodedPicture {
  public:
    explicit MetafilePicture(QByteArray file);
    int width() const override { return structure_.naturalSize.width(); }
    int height() const override { return structure_.naturalSize.height(); }
    void drawAt(QPainter& painter, QPoint at) const override;
    void drawStretched(QPainter& painter, const QRect& target) const override;
    std::optional<QImage> handOverPixels() const override { return std::nullopt; }
    // As the system that writes metafiles draws them: 24 bits, and without
    // antialiasing, so that raster operations and hairlines fall on pixels.
    std::optional<VectorDrawing> vectorDrawing() const override {
        return VectorDrawing{QImage::Format_RGB888, false};
    }

    const MetafileStructure& structure() const { return structure_; }

  private:
    QByteArray file_;  // the records point into it
    MetafileStructure structure_;
};

// Plays the records onto the painter, mapping the picture onto `target`.
// A record that cannot be played is skipped.
void PlayMetafile(const MetafileStructure& metafile, QPainter& painter, const QRectF& target);
