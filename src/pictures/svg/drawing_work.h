// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QImage>
#include <QSize>

class QPainter;

// The most work a drawing of vectors (SVG, metafile) may cost to draw onto
// a bitmap, in units of about 10 ns of the rasteriser. Measured on a 2-core
// machine, the kinds of geometry cost between 0.03 and 16 ns a unit
// (bench/drawing_work_bench.cpp): at most 2 s at any size it is drawn.
inline constexpr long long DrawingWorkBudget = 125'000'000;

// Draws `draw` onto a new white bitmap of `size`, with or without
// antialiasing, unweighed: for a drawing a deadline bounds instead.
QImage DrawnOnWhite(QSize size, QImage::Format format, bool antialiased,
                    const std::function<void(QPainter&)>& draw);

// Draws `draw` onto a new white bitmap of `size`, after weighing what it
// will cost: the drawing is first played onto a meter that sees every
// shape, stroke, text and image at its device size and predicts the
// rasteriser's work from that geometry. The cost of a fill is not its
// element count: a few thousand edges that all cross the same rows cost
// the antialiasing rasteriser minutes at print size, the same edges spread
// over the page milliseconds. Over the budget, nothing is drawn and the
// error "Picture is too complex to draw at W x H pixels" is raised; the
// meter itself stops weighing once the budget is spent.
QImage DrawnWithinBudget(QSize size, QImage::Format format, bool antialiased,
                         const std::function<void(QPainter&)>& draw);

// As DrawnWithinBudget, for a drawing that fills its bitmap at any size:
// when its whole size is over the budget, it is drawn at the largest half,
// quarter or eighth of each side that is within it, to be stretched where
// it is shown or printed; past that, refused as above.
QImage DrawnWithinBudgetOrSmaller(QSize size, QImage::Format format, bool antialiased,
                                  const std::function<void(QPainter&)>& draw);
// As above, for a drawing whose cost is weighed by playing `weigh` onto
// the meter instead of `draw` itself.
QImage DrawnWithinBudgetOrSmaller(QSize size, QImage::Format format, bool antialiased,
                                  const std::function<void(QPainter&)>& draw,
                                  const std::function<void(QPainter&)>& weigh);

// Weighs, on a painter playing onto the meter, `perPixel` units of work for
// every device pixel of `area`: what a renderer of its own does beyond
// shapes (layers, filters); on any other painter, nothing.
void WeighPixelWork(QPainter& painter, const QRectF& area, double perPixel);

// On a painter playing onto the meter, weighs from now on (until told
// otherwise) how often each outline's edges cross each other, which a
// renderer that sorts crossing edges (cairo's) pays for however small the
// outline is drawn; on any other painter, nothing.
void WeighCrossingEdges(QPainter& painter, bool weighed);

// The predicted work of `draw` at `size`; past the budget, a value above
// it. For the benchmark that calibrates the units.
long long DrawingWork(QSize size, bool antialiased, const std::function<void(QPainter&)>& draw);
