// SPDX-License-Identifier: GPL-3.0-or-later
// Calibrates the drawing meter: each kind of geometry a drawing can hold,
// hostile or ordinary, drawn onto an antialiased bitmap of 1000 x 1000.
// Besides the time, each reports the meter's predicted work ("units") and
// the time per unit ("ns_per_unit"); the budget assumes about 10 ns per
// unit, so a kind far above that is one the meter underestimates.

#include <cmath>
#include <functional>

#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "pictures/svg/drawing_work.h"
#include "pictures/svg/svg_picture.h"

namespace {

constexpr int Side = 1000;

QPainterPath zigzag(int segments) {
    QPainterPath path(QPointF(0, 0));
    for (int i = 0; i < segments; ++i)
        path.lineTo(QPointF((i + 1) * double(Side) / segments, i % 2 == 0 ? Side : 0));
    return path;
}

// An outline of many short edges that cross few rows each.
QPainterPath coastline(int segments) {
    QPainterPath path;
    for (int i = 0; i < segments; ++i) {
        const double angle = 2 * M_PI * i / segments;
        const double radius = Side * 0.4 + Side * 0.03 * std::sin(i * 0.37);
        const QPointF point(Side / 2 + radius * std::cos(angle), Side / 2 + radius * std::sin(angle));
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void measure(benchmark::State& state, const std::function<void(QPainter&)>& draw,
             bool antialiased = true) {
    const long long units = DrawingWork(QSize(Side, Side), antialiased, draw);
    QImage bitmap(Side, Side, QImage::Format_RGB32);
    for (auto _ : state) {
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.setRenderHint(QPainter::Antialiasing, antialiased);
        draw(painter);
    }
    state.counters["units"] = double(units);
    // Seconds per billion units: nanoseconds per unit.
    state.counters["ns_per_unit"] =
        benchmark::Counter(double(units) * double(state.iterations()) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void CrossingFill(benchmark::State& state) {
    const QPainterPath path = zigzag(int(state.range(0)));
    measure(state, [&](QPainter& painter) { painter.fillPath(path, Qt::red); });
}
BENCHMARK(CrossingFill)->Arg(25)->Arg(100)->Unit(benchmark::kMillisecond);

// As a metafile is drawn: without antialiasing.
void CrossingFillAliased(benchmark::State& state) {
    const QPainterPath path = zigzag(int(state.range(0)));
    measure(state, [&](QPainter& painter) { painter.fillPath(path, Qt::red); }, false);
}
BENCHMARK(CrossingFillAliased)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

void CrossingWideStroke(benchmark::State& state) {
    const QPainterPath path = zigzag(int(state.range(0)));
    measure(state, [&](QPainter& painter) { painter.strokePath(path, QPen(Qt::black, 3)); });
}
BENCHMARK(CrossingWideStroke)->Arg(25)->Arg(100)->Unit(benchmark::kMillisecond);

void CrossingThinStroke(benchmark::State& state) {
    const QPainterPath path = zigzag(int(state.range(0)));
    measure(state, [&](QPainter& painter) { painter.strokePath(path, QPen(Qt::black, 1)); });
}
BENCHMARK(CrossingThinStroke)->Arg(4000)->Unit(benchmark::kMillisecond);

void Coastline(benchmark::State& state) {
    const QPainterPath path = coastline(int(state.range(0)));
    measure(state, [&](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::green);
        painter.drawPath(path);
    });
}
BENCHMARK(Coastline)->Arg(40000)->Unit(benchmark::kMillisecond);

void FullSizeRectangles(benchmark::State& state) {
    measure(state, [&](QPainter& painter) {
        for (int i = 0; i < state.range(0); ++i)
            painter.fillRect(QRect(0, 0, Side, Side), QColor(i % 256, 0, 0));
    });
}
BENCHMARK(FullSizeRectangles)->Arg(200)->Unit(benchmark::kMillisecond);

void SmallCircles(benchmark::State& state) {
    measure(state, [&](QPainter& painter) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::blue);
        for (int i = 0; i < state.range(0); ++i)
            painter.drawEllipse(QPointF((i * 7919) % Side, (i * 104729) % Side), 5, 5);
    });
}
BENCHMARK(SmallCircles)->Arg(20000)->Unit(benchmark::kMillisecond);

void LargeRings(benchmark::State& state) {
    measure(state, [&](QPainter& painter) {
        for (int i = 0; i < state.range(0); ++i) {
            painter.setPen(QPen(Qt::black, 10 + i % 5));
            painter.drawEllipse(QPointF(Side / 2, Side / 2), Side * 0.4 + i % 100, Side * 0.4);
        }
    });
}
BENCHMARK(LargeRings)->Arg(500)->Unit(benchmark::kMillisecond);

void GradientRectangles(benchmark::State& state) {
    QLinearGradient gradient(0, 0, Side, Side);
    gradient.setColorAt(0, Qt::red);
    gradient.setColorAt(1, Qt::blue);
    measure(state, [&](QPainter& painter) {
        for (int i = 0; i < state.range(0); ++i)
            painter.fillRect(QRect(0, 0, Side, Side), gradient);
    });
}
BENCHMARK(GradientRectangles)->Arg(50)->Unit(benchmark::kMillisecond);

void TextRuns(benchmark::State& state) {
    const int pixels = int(state.range(0));
    const int runs = Side / pixels;
    measure(state, [&](QPainter& painter) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(pixels);
        painter.setFont(font);
        for (int run = 0; run < runs; ++run)
            painter.drawText(QPointF(0, (run + 1) * pixels),
                             QString(Side / pixels, QLatin1Char('W')));
    });
}
BENCHMARK(TextRuns)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void ScaledImages(benchmark::State& state) {
    QImage small(50, 50, QImage::Format_RGB32);
    small.fill(Qt::red);
    measure(state, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < state.range(0); ++i)
            painter.drawImage(QRect(0, 0, Side, Side), small);
    });
}
BENCHMARK(ScaledImages)->Arg(20)->Unit(benchmark::kMillisecond);

// SVG drawings the renderer draws in full: layers and filter steps over the
// whole area, weighed by what the drawing declares. Timed by the clock on
// the wall, as the renderer blurs on several threads.
void measureSvg(benchmark::State& state, const QString& body) {
    const SvgPicture picture(
        QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1'>%2</svg>")
            .arg(Side)
            .arg(body)
            .toUtf8());
    const QRect whole(0, 0, Side, Side);
    const long long units = DrawingWork(QSize(Side, Side), true, [&](QPainter& painter) {
        picture.weighStretched(painter, whole);
    });
    QImage bitmap(Side, Side, QImage::Format_RGB32);
    for (auto _ : state) {
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        picture.drawStretched(painter, whole);
    }
    state.counters["units"] = double(units);
    state.counters["ns_per_unit"] =
        benchmark::Counter(double(units) * double(state.iterations()) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// `count` copies of a step in one filter over the whole area.
QString filterSteps(const QString& step, int count) {
    return QStringLiteral("<filter id='f'>") + step.repeated(count) +
           QStringLiteral("</filter><rect width='%1' height='%1' filter='url(#f)'/>").arg(Side);
}

void SvgOpacityLayers(benchmark::State& state) {
    measureSvg(state, QStringLiteral("<rect width='%1' height='%1' opacity='0.5'/>")
                          .arg(Side)
                          .repeated(int(state.range(0))));
}
BENCHMARK(SvgOpacityLayers)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();

void SvgMasks(benchmark::State& state) {
    measureSvg(state, QStringLiteral("<mask id='m'><rect width='%1' height='%1' fill='white'/></mask>")
                              .arg(Side) +
                          QStringLiteral("<rect width='%1' height='%1' mask='url(#m)'/>")
                              .arg(Side)
                              .repeated(int(state.range(0))));
}
BENCHMARK(SvgMasks)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void SvgBlurs(benchmark::State& state) {
    measureSvg(state, filterSteps(QStringLiteral("<feGaussianBlur stdDeviation='50'/>"),
                                  int(state.range(0))));
}
BENCHMARK(SvgBlurs)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

void SvgLighting(benchmark::State& state) {
    measureSvg(state, filterSteps(QStringLiteral("<feDiffuseLighting><feDistantLight/>"
                                                 "</feDiffuseLighting>"),
                                  int(state.range(0))));
}
BENCHMARK(SvgLighting)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void SvgNoiseOctaves(benchmark::State& state) {
    measureSvg(state, filterSteps(QStringLiteral("<feTurbulence baseFrequency='0.05' "
                                                 "numOctaves='%1'/>")
                                      .arg(state.range(0)),
                                  1));
}
BENCHMARK(SvgNoiseOctaves)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

void SvgConvolutionTaps(benchmark::State& state) {
    const int order = int(state.range(0));
    measureSvg(state, filterSteps(QStringLiteral("<feConvolveMatrix order='%1' kernelMatrix='%2'/>")
                                      .arg(order)
                                      .arg(QStringLiteral("1 ").repeated(order * order)),
                                  1));
}
BENCHMARK(SvgConvolutionTaps)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void SvgMorphologyRadius(benchmark::State& state) {
    measureSvg(state, filterSteps(QStringLiteral("<feMorphology operator='dilate' radius='%1'/>")
                                      .arg(state.range(0)),
                                  1));
}
BENCHMARK(SvgMorphologyRadius)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

// How a layer's cost grows with what it covers: `LayerCopies` shapes, each
// with an id and a layer of its own (opacity, a mask, a filter), over a
// small square of the drawing (range 0) or the whole of it (range 1). The
// renderer composites every layer on a surface as large as the whole
// drawing, so a small shape's layer still costs something for every pixel
// of it; a filter step's own work covers only the filter's region.
// "ns_per_pixel" is the time for each pixel of the drawing and each copy.
constexpr int LayerCopies = 20;

void SvgLayerSpan(benchmark::State& state, const char* definition, const char* layer) {
    const bool whole = state.range(0) != 0;
    const QString covered = whole ? QStringLiteral("width='%1' height='%1'").arg(Side)
                                  : QStringLiteral("x='10' y='10' width='20' height='20'");
    QString shapes = QString::fromUtf8(definition);
    for (int copy = 0; copy < LayerCopies; ++copy)
        shapes += QStringLiteral("<rect id='s%1' %2 %3/>")
                      .arg(copy)
                      .arg(covered, QString::fromUtf8(layer));
    measureSvg(state, shapes);
    state.counters["ns_per_pixel"] =
        benchmark::Counter(double(LayerCopies) * Side * Side * double(state.iterations()) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(SvgLayerSpan, none, "", "")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(SvgLayerSpan, opacity, "", "opacity='0.5'")
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(SvgLayerSpan, mask, "<mask id='m'><rect width='2000' height='2000' fill='white'/></mask>",
                  "mask='url(#m)'")
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(SvgLayerSpan, flood, "<filter id='f'><feFlood flood-color='red'/></filter>",
                  "filter='url(#f)'")
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(SvgLayerSpan, blur, "<filter id='f'><feGaussianBlur stdDeviation='3'/></filter>",
                  "filter='url(#f)'")
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(SvgLayerSpan, four_blurs,
                  "<filter id='f'><feGaussianBlur stdDeviation='3'/><feGaussianBlur stdDeviation='3'/>"
                  "<feGaussianBlur stdDeviation='3'/><feGaussianBlur stdDeviation='3'/></filter>",
                  "filter='url(#f)'")
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The shapes' own work, drawn by the renderer, weighed as Qt would draw them.
void SvgCrossingFill(benchmark::State& state) {
    QString d = QStringLiteral("M0,0");
    for (int i = 0; i < state.range(0); ++i)
        d += QStringLiteral(" L%1,%2").arg((i + 1) * Side / int(state.range(0))).arg(i % 2 ? 0 : Side);
    measureSvg(state, QStringLiteral("<path fill='red' d='%1'/>").arg(d));
}
BENCHMARK(SvgCrossingFill)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A star whose edges each cross nearly all the others: the renderer sorts
// them at every crossing, however small the star is drawn.
void SvgSelfCrossingStar(benchmark::State& state) {
    const int points = int(state.range(0));
    QString list;
    for (int i = 0; i < points; ++i) {
        const double turn = 2 * M_PI * i * (points / 2) / points;
        list += QStringLiteral("%1,%2 ")
                    .arg(Side / 2 * (1 + 0.98 * std::cos(turn)))
                    .arg(Side / 2 * (1 + 0.98 * std::sin(turn)));
    }
    measureSvg(state, QStringLiteral("<polygon fill='red' points='%1'/>").arg(list));
}
BENCHMARK(SvgSelfCrossingStar)->Arg(501)->Arg(1001)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
