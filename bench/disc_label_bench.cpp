// SPDX-License-Identifier: GPL-3.0-or-later
// A disc label with its texts along the arcs and its track list in the
// ring, against the same label with straight texts: what setting each
// glyph on the arc and trying two arrangements of the list adds, as a
// 600 dpi printer prints it and as the window shows it (96 dpi).

#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>

#include "cases/case_shapes.h"
#include "render/case_render.h"

namespace {

constexpr double MillimetresPerInch = 25.4;

void drawDisc(benchmark::State& state, bool arcs) {
    const double pixelsPerMm = double(state.range(0)) / MillimetresPerInch;
    const CaseShape& shape = ShapeOf(CaseKind::Disc, DiscHole::Standard);
    CaseContent content;
    content.laidOut = true;
    content.texts.artist = QStringLiteral("The Benchmark Ensemble");
    content.texts.separator = QStringLiteral(": ");
    content.texts.title = QStringLiteral("Songs of Measured Time");
    content.texts.discArcs = arcs;
    for (int i = 1; i <= 20; ++i)
        content.texts.tracks << QStringLiteral("%1. Track number %1 with a name").arg(i);
    QImage image((shape.size * pixelsPerMm).toSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(pixelsPerMm / CaseUnitsPerMm, pixelsPerMm / CaseUnitsPerMm);
        benchmark::DoNotOptimize(DrawCase(painter, pixelsPerMm / CaseUnitsPerMm, shape, content));
    }
}

void DiscLabelAlongArcs(benchmark::State& state) {
    drawDisc(state, true);
}
void DiscLabelStraight(benchmark::State& state) {
    drawDisc(state, false);
}

}  // namespace

BENCHMARK(DiscLabelAlongArcs)->Arg(600)->Arg(96)->Unit(benchmark::kMillisecond);
BENCHMARK(DiscLabelStraight)->Arg(600)->Arg(96)->Unit(benchmark::kMillisecond);
