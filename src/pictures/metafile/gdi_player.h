// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing side of the metafile player: the device context with its
// object table and save/restore stack, the mapping from logical units onto
// the target rectangle, and the shapes, text, bitmaps, paths and clipping
// that the WMF and EMF records call for.

#include <vector>

#include <QPainter>
#include <QPolygonF>

#include "pictures/metafile/gdi_objects.h"
#include "pictures/metafile/metafile_format.h"

class GdiPlayer {
  public:
    GdiPlayer(QPainter& painter, const MetafileStructure& meta, const QRectF& target);
    ~GdiPlayer();

    gdi::State& state() { return state_; }

    void saveState();
    void restoreState(int which);  // negative: relative to the newest

    // Object table. WMF takes the lowest free slot; EMF names the slot.
    void addObject(gdi::Object object);
    void setObject(uint32_t index, gdi::Object object);
    void selectObject(uint32_t index);
    void deleteObject(uint32_t index);
    void selectStockObject(uint32_t stock);

    // The whole mapping from logical units onto the target.
    QTransform logicalToTarget() const;
    // Device units (EMF's reference device) onto the target.
    QTransform deviceToTarget() const;

    void moveTo(QPointF to) {
        state_.position = to;
        figureOpen_ = false;
    }
    void lineTo(QPointF to);
    void polyline(const QPolygonF& points);
    void polylineTo(const QPolygonF& points);
    void polygons(const std::vector<QPolygonF>& polygons);
    void beziers(const QPolygonF& points, bool fromCurrentPosition);
    // PolyDraw's figures: each point moved to, reached by a line, or one of
    // three of a curve, the close flag ending its figure.
    struct DrawnPoints {
        QPolygonF points;
        std::vector<uint8_t> types;
    };
    void polyDraw(const DrawnPoints& drawn);
    void rectangle(const QRectF& box);
    void roundRectangle(const QRectF& box, QSizeF corner);
    void ellipse(const QRectF& box);
    enum class ArcKind { Arc, Chord, Pie, ArcTo };
    void arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end);
    void setPixel(QPointF at, const QColor& colour);

    void text(QPointF reference, const QString& text, const std::vector<double>& advances,
              uint32_t options, const QRectF& box);

    // Blits; a null image paints with the brush, or black or white, as the
    // raster operation says. An image with alpha, or an opacity below 1,
    // blends onto what is there.
    void bitmap(const QRectF& target, const QImage& image, const QRectF& source, uint32_t rop,
                double opacity = 1);

    // Rectangles or triangles shaded between coloured corners.
    struct GradientVertex {
        QPointF at;
        QColor colour;
    };
    void gradientRectangle(const GradientVertex& from, const GradientVertex& to, bool vertical);
    void gradientTriangle(const GradientVertex& a, const GradientVertex& b,
                          const GradientVertex& c);

    void fillRegion(const std::vector<QRectF>& rectangles, const gdi::Brush& brush, bool device);
    void frameRegion(const std::vector<QRectF>& rectangles, const gdi::Brush& brush, QSizeF size);

    void beginPath();
    void endPath() { inPath_ = false; }
    void abortPath();
    void widenPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void selectClipPath(int mode);

    void intersectClip(const QRectF& logical);
    void excludeClip(const QRectF& logical);
    void offsetClip(QPointF logicalOffset);
    // Rectangles in device units; none with RegionCopy resets the clip.
    void selectClipRegion(const std::vector<QRectF>& deviceRectangles, int mode);
    void resetClip() { state_.clip.reset(); }

    // Lowest free slot count guard, so a file cannot make the table huge.
    static constexpr uint32_t MaxObjects = 65536;

  private:
    // Whether target coordinates are finite and of a size Qt can handle.
    static bool reasonable(const QRectF& area);
    void combineClip(const QPainterPath& target, int mode);
    QPen qtPen() const;
    // A user-styled pen's dashes as Qt's pattern; empty to draw it solid.
    QList<qreal> dashPattern(const gdi::Pen& pen) const;
    static constexpr double MinimumDashPatternPixels = 2;
    QBrush qtBrush(const gdi::Brush& brush) const;
    Qt::FillRule fillRule() const;
    // Draws a logical path with the current pen and brush.
    void draw(const QPainterPath& path, bool fill, bool stroke);
    void prepare();  // clip and transform on the painter
    // Whether a logical area lands at finite, sane target coordinates.
    bool onPage(const QRectF& logical) const;
    // Target pixels per logical unit, averaged over the two axes.
    double scaleOnTarget() const;
    // The colour a pen or brush draws in under the raster operation, after
    // setting the painter's composition; invalid when nothing is drawn.
    QColor applyRop(const QColor& colour);
    void appendToPath(const QPainterPath& shape);
    // Inside a path: the figure that LineTo and its kin extend, begun at the
    // current position when none is open.
    QPainterPath& openFigure();
    QPainterPath arcPath(ArcKind kind, const QRectF& box, QPointF start, QPointF end) const;

    QPainter& painter_;
    const MetafileStructure& meta_;
    QRectF target_;
    gdi::State state_;
    std::vector<gdi::State> saved_;
    std::vector<std::optional<gdi::Object>> objects_;
    bool inPath_ = false;
    bool figureOpen_ = false;  // the path's last figure still grows from the current position
    QPainterPath path_;        // logical units
    // Square target pixels of the letters drawn as glyphs so far (see
    // GdiPlayer::text).
    double glyphArea_ = 0;
};
