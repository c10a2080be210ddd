// SPDX-License-Identifier: GPL-3.0-or-later
// The meter is our own: no library predicts what Qt's rasteriser will cost.
// Its weights were measured with bench/drawing_work_bench.cpp, which draws
// each kind of hostile and ordinary geometry and reports time per unit.
#include "pictures/svg/drawing_work.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QCoreApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

#include "base/sleevix_error.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/svg/edge_crossings.h"

namespace {

// Every shape, text run or image drawn: the painter's own bookkeeping.
constexpr long long CallWork = 300;
// Filling solid colour is cheap per pixel; gradients and textures are not.
constexpr double SolidPixelsPerUnit = 16;
constexpr double PatternPixelsPerUnit = 2;
constexpr double ImagePixelsPerUnit = 4;
// Each pixel along a line one pixel wide.
constexpr long long ThinLineWork = 2;
// Each cell (a pixel an outline's edge crosses) of an antialiased fill.
constexpr long long OutlineCellWork = 2;
// The cells the antialiasing rasteriser holds at once. When an outline has
// more in a band of rows, it splits the band and walks every edge that
// crosses the band again for each part: edges that all cross the same rows
// cost their cells times the number of bands.
constexpr double RasterPoolCells = 175;
// Every edge of an outline, once for each band of rows: the rasteriser
// walks the whole outline for each band.
constexpr long long EdgeVisitWork = 1;
// Without antialiasing, the pairs of edges that cross one row: the
// rasteriser keeps them sorted, and edges that cross each other reorder.
constexpr double SortedEdgePairsPerUnit = 14;
// Each crossing of two edges of one outline, for a renderer that sorts
// crossing edges (cairo's), at any size: measured under a load of 4, a
// random zigzag of 4000 edges crosses itself 1.8 million times and takes
// 1.3 s at 100 x 100 pixels, 4.4 s at 1000 x 1000; a star of 2001 points
// crosses itself 2 million times and takes 1.8 s at 1000 x 1000.
constexpr long long CrossingWork = 100;
// A text run: each glyph's outline is built and filled at its height.
constexpr long long GlyphWork = 1000;
constexpr long long GlyphPixelWork = 1000;

constexpr long long Spent = DrawingWorkBudget + 1;

// One edge of an outline as the rasteriser sees it: the rows it spans and
// the cells it makes.
struct Edge {
    int firstRow;
    int lastRow;
    double cells;
    double sides;  // the outline's edges it makes: its fill's, its stroke's two
};

class WorkMeter : public QPaintEngine {
  public:
    explicit WorkMeter(QSize size) : QPaintEngine(AllFeatures), device_(QPointF(0, 0), size) {}

    long long work() const { return work_; }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& changed) override {
        const DirtyFlags dirty = changed.state();
        if (dirty & DirtyTransform) transform_ = changed.transform();
        if (dirty & DirtyPen) pen_ = changed.pen();
        if (dirty & DirtyBrush) brush_ = changed.brush();
        if (dirty & DirtyHints)
            antialiased_ = changed.renderHints().testFlag(QPainter::Antialiasing);
        // A clip path is rasterised like any fill.
        if ((dirty & DirtyClipPath) && changed.clipOperation() != Qt::NoClip)
            weighOutline(changed.clipPath(), true, false);
    }

    void drawPath(const QPainterPath& path) override {
        weighOutline(path, brush_.style() != Qt::NoBrush, pen_.style() != Qt::NoPen);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (count <= 0) return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i) path.lineTo(points[i]);
        const bool closed = mode != PolylineMode;
        if (closed) path.closeSubpath();
        weighOutline(path, closed && brush_.style() != Qt::NoBrush, pen_.style() != Qt::NoPen);
    }

    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override {
        weighImage(target);
    }
    void drawImage(const QRectF& target, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        weighImage(target);
    }
    void drawTiledPixmap(const QRectF& target, const QPixmap&, const QPointF&) override {
        weighImage(target);
    }

    void weighCrossings(bool weighed) { crossingsWeighed_ = weighed; }

    void weighPixelWork(const QRectF& area, double perPixel) {
        if (add(CallWork)) add(coveredPixels(transform_.mapRect(area)) * perPixel);
    }

    void drawTextItem(const QPointF&, const QTextItem& text) override {
        if (!add(CallWork)) return;
        const double height = (text.ascent() + text.descent()) * scale();
        const double glyphs = text.text().size();
        add(glyphs * (GlyphWork + GlyphPixelWork * std::max(0.0, height)));
    }

  private:
    // Adds work; false once the budget is spent, when nothing more is weighed.
    bool add(double work) {
        if (work_ >= Spent) return false;
        work_ = work >= double(Spent - work_) ? Spent : work_ + (long long)(work);
        return work_ < Spent;
    }

    double scale() const { return std::sqrt(std::abs(transform_.determinant())); }
    double xScale() const { return std::hypot(transform_.m11(), transform_.m12()); }
    double yScale() const { return std::hypot(transform_.m21(), transform_.m22()); }
    double largestScale() const { return std::max(xScale(), yScale()); }
    bool evenlyScaled() const {
        return transform_.type() < QTransform::TxProject && qFuzzyCompare(xScale(), yScale());
    }

    double coveredPixels(QRectF bounds) const {
        const QRectF covered = bounds.intersected(device_);
        return covered.isValid() ? covered.width() * covered.height() : 0.0;
    }

    void weighImage(const QRectF& target) {
        if (add(CallWork)) add(coveredPixels(transform_.mapRect(target)) / ImagePixelsPerUnit);
    }

    void weighOutline(const QPainterPath& path, bool fills, bool strokes) {
        // A shape both filled and stroked is rasterised twice.
        if (!add(CallWork * (fills && strokes ? 2 : 1)) || path.isEmpty() || (!fills && !strokes))
            return;
        // A pen of width 0 is one device pixel wide, as Qt draws it.
        const double deviceWidth =
            pen_.isCosmetic() ? pen_.widthF() : pen_.widthF() * largestScale();
        const double penWidth = strokes ? std::max(1.0, deviceWidth) : 0.0;
        // Lines at most one pixel wide are drawn one by one along their
        // length, unless an antialiased pen is stretched unevenly; any other
        // stroke is filled as the outline on both of its sides.
        const bool fastPen =
            deviceWidth <= 1.0 && (pen_.isCosmetic() || !antialiased_ || evenlyScaled());
        const bool wideStroke = strokes && !fastPen;
        const double fillSides = fills ? 1.0 : 0.0;
        const double strokeSides = wideStroke ? 2.0 : 0.0;

        std::vector<Edge> edges;
        std::vector<QLineF> lines;
        QRectF bounds;
        double cells = 0, thinLength = 0, outlineEdges = 0;
        const int rows = int(device_.height());
        // Edges are weighed within the device: the rasteriser clips what
        // lies beyond it, leaving a cell a row at the side.
        const QRectF reach = device_.adjusted(-penWidth - 1, -penWidth - 1, penWidth + 1,
                                              penWidth + 1);
        QPointF last;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element element = path.elementAt(i);
            const QPointF mapped = transform_.map(QPointF(element.x, element.y));
            bounds = i == 0 ? QRectF(mapped, QSizeF(0, 0)) : bounds.united(QRectF(mapped, mapped));
            const QPointF point(std::clamp(mapped.x(), reach.left(), reach.right()),
                                std::clamp(mapped.y(), reach.top(), reach.bottom()));
            if (element.type != QPainterPath::MoveToElement) {
                // Curves are weighed by their control polygon, never shorter.
                const double length =
                    std::max(std::abs(point.x() - last.x()), std::abs(point.y() - last.y())) + 1;
                const double edgeCells =
                    fillSides * length + strokeSides * (length + penWidth);
                if (strokes && !wideStroke) thinLength += length;
                if (crossingsWeighed_) lines.emplace_back(last, point);
                outlineEdges += fillSides + strokeSides;
                const double top = std::min(point.y(), last.y()) - penWidth / 2;
                const double bottom = std::max(point.y(), last.y()) + penWidth / 2;
                if (edgeCells > 0 && bottom >= 0 && top < rows) {
                    edges.push_back({std::clamp(int(top), 0, rows - 1),
                                     std::clamp(int(bottom), 0, rows - 1), edgeCells,
                                     fillSides + strokeSides});
                    cells += edgeCells;
                }
            }
            last = point;
        }
        const double halfPen = penWidth / 2;
        const double pixels = coveredPixels(bounds.adjusted(-halfPen, -halfPen, halfPen, halfPen));
        const bool solid = brush_.style() == Qt::SolidPattern || !fills;
        if (!add(pixels / (solid ? SolidPixelsPerUnit : PatternPixelsPerUnit))) return;
        if (!add(thinLength * ThinLineWork)) return;
        if (crossingsWeighed_ &&
            !add(EdgeCrossings(lines) * double(CrossingWork) * ((fills ? 1 : 0) + (strokes ? 1 : 0))))
            return;
        add(outlineWork(edges, cells, outlineEdges));
    }

    // The rasteriser's work for one outline. With antialiasing: each edge's
    // cells, once for every band of rows it crosses, and a visit of every
    // edge in each band. Without: each cell once, and in each row the edges
    // that cross it sorted among each other.
    double outlineWork(const std::vector<Edge>& edges, double cells, double outlineEdges) const {
        if (edges.empty()) return 0;
        if (antialiased_ && cells <= RasterPoolCells) return cells * OutlineCellWork;
        int top = edges.front().firstRow, bottom = edges.front().lastRow;
        for (const Edge& edge : edges) {
            top = std::min(top, edge.firstRow);
            bottom = std::max(bottom, edge.lastRow);
        }
        const size_t rows = size_t(bottom - top) + 1;
        // Per row, the change in cells (each edge's spread evenly over its
        // rows) and in edges crossing it.
        std::vector<double> cellChange(rows + 1, 0.0), edgeChange(rows + 1, 0.0);
        for (const Edge& edge : edges) {
            const size_t first = size_t(edge.firstRow - top), last = size_t(edge.lastRow - top);
            cellChange[first] += edge.cells / double(last - first + 1);
            cellChange[last + 1] -= edge.cells / double(last - first + 1);
            edgeChange[first] += edge.sides;
            edgeChange[last + 1] -= edge.sides;
        }
        if (!antialiased_) {
            double crossing = 0, pairs = 0;
            for (size_t row = 0; row < rows; ++row) {
                crossing += edgeChange[row];
                pairs += crossing * crossing;
            }
            return cells * OutlineCellWork + pairs / SortedEdgePairsPerUnit;
        }
        // Bands as the rasteriser makes them: as many rows as its pool holds.
        std::vector<int> bandOfRow(rows, 0);
        int band = 0;
        double inRow = 0, inBand = 0;
        for (size_t row = 0; row < rows; ++row) {
            inRow += cellChange[row];
            if (inBand > 0 && inBand + inRow > RasterPoolCells) {
                ++band;
                inBand = 0;
            }
            inBand += inRow;
            bandOfRow[row] = band;
        }
        double work = 0;
        for (const Edge& edge : edges)
            work += edge.cells *
                    (bandOfRow[size_t(edge.lastRow - top)] - bandOfRow[size_t(edge.firstRow - top)] + 1);
        return work * OutlineCellWork + (band + 1) * outlineEdges * EdgeVisitWork;
    }

    QRectF device_;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
    bool antialiased_ = false;
    bool crossingsWeighed_ = false;
    long long work_ = 0;
};

// A device that draws nothing: the meter sees what a bitmap of the same
// size and resolution would be asked to draw.
class MeteredDevice : public QPaintDevice {
  public:
    MeteredDevice(QSize size, QImage::Format format)
        : size_(size), meter_(size), like_(1, 1, format) {}
    QPaintEngine* paintEngine() const override { return &meter_; }
    long long work() const { return meter_.work(); }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return qRound(size_.width() * MillimetresPerInch / like_.logicalDpiX());
            case PdmHeightMM:
                return qRound(size_.height() * MillimetresPerInch / like_.logicalDpiY());
            case PdmDpiX:
                return like_.logicalDpiX();
            case PdmDpiY:
                return like_.logicalDpiY();
            case PdmPhysicalDpiX:
                return like_.physicalDpiX();
            case PdmPhysicalDpiY:
                return like_.physicalDpiY();
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
            case PdmNumColors:
                return like_.colorCount();
            case PdmDepth:
                return like_.depth();
        }
        return 0;
    }

  private:
    static constexpr double MillimetresPerInch = 25.4;
    QSize size_;
    mutable WorkMeter meter_;
    QImage like_;  // the bitmap the drawing is weighed for, in miniature
};

[[noreturn]] void failTooComplex(QSize size) {
    throw SleevixError(
        QCoreApplication::translate("Pictures", "Picture is too complex to draw at %1 x %2 pixels")
            .arg(size.width())
            .arg(size.height()));
}

long long weigh(QSize size, QImage::Format format, bool antialiased,
                const std::function<void(QPainter&)>& draw) {
    MeteredDevice device(size, format);
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    draw(painter);
    painter.end();
    return device.work();
}

}  // namespace

QImage DrawnOnWhite(QSize size, QImage::Format format, bool antialiased,
                    const std::function<void(QPainter&)>& draw) {
    QImage bitmap = AllocatePicture(size.width(), size.height(), format);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    draw(painter);
    return bitmap;
}

// A drawing too complex for its whole size is first tried at these
// fractions of each side: an eighth of a printed page is still 150 dpi.
constexpr int SmallestFraction = 8;

void WeighPixelWork(QPainter& painter, const QRectF& area, double perPixel) {
    if (perPixel <= 0) return;
    if (auto* meter = dynamic_cast<WorkMeter*>(painter.paintEngine()))
        meter->weighPixelWork(area, perPixel);
}

void WeighCrossingEdges(QPainter& painter, bool weighed) {
    if (auto* meter = dynamic_cast<WorkMeter*>(painter.paintEngine()))
        meter->weighCrossings(weighed);
}

long long DrawingWork(QSize size, bool antialiased, const std::function<void(QPainter&)>& draw) {
    return weigh(size, QImage::Format_RGB32, antialiased, draw);
}

QImage DrawnWithinBudget(QSize size, QImage::Format format, bool antialiased,
                         const std::function<void(QPainter&)>& draw) {
    CheckPictureSize(size.width(), size.height());
    if (weigh(size, format, antialiased, draw) > DrawingWorkBudget) failTooComplex(size);
    return DrawnOnWhite(size, format, antialiased, draw);
}

QImage DrawnWithinBudgetOrSmaller(QSize size, QImage::Format format, bool antialiased,
                                  const std::function<void(QPainter&)>& draw) {
    return DrawnWithinBudgetOrSmaller(size, format, antialiased, draw, draw);
}

QImage DrawnWithinBudgetOrSmaller(QSize size, QImage::Format format, bool antialiased,
                                  const std::function<void(QPainter&)>& draw,
                                  const std::function<void(QPainter&)>& weighed) {
    CheckPictureSize(size.width(), size.height());
    QSize tried = size;
    for (int fraction = 1; fraction <= SmallestFraction; fraction *= 2) {
        if (weigh(tried, format, antialiased, weighed) <= DrawingWorkBudget)
            return DrawnOnWhite(tried, format, antialiased, draw);
        tried = QSize(std::max(1, size.width() / (fraction * 2)),
                      std::max(1, size.height() / (fraction * 2)));
    }
    failTooComplex(size);
}
