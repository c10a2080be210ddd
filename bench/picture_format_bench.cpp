// SPDX-License-Identifier: GPL-3.0-or-later
// The newer formats against their bare Qt readers: a 12-megapixel PNG
// loaded whole, and an SVG drawing chosen for the back insert (read, drawn
// for the overlay, sliced onto the spines and the tray card) against
// QtSvg reading and drawing it into a raster of the overlay's size.

#include <cmath>

#include <benchmark/benchmark.h>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/picture_repaint.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "bench_pictures.h"
#include "pictures/picture_loader.h"

namespace {

constexpr QSize BackOverlay(442, 353);

// An illustration of a few hundred shapes: gradients, curves, strokes and
// some transparency, as album artwork drawn as vectors has.
const QString& Artwork() {
    static QTemporaryDir folder;
    static const QString path = [] {
        QString shapes;
        for (int i = 0; i < 300; ++i) {
            const double angle = i * 0.21, radius = 20 + (i * 37) % 180;
            const double x = 400 + radius * std::cos(angle), y = 300 + radius * std::sin(angle);
            shapes += QStringLiteral(
                          "<path d='M%1,%2 C%3,%4 %5,%6 %7,%8 Z' fill='url(#g%9)' "
                          "stroke='#%10' stroke-width='%11' opacity='0.8'/>")
                          .arg(x)
                          .arg(y)
                          .arg(x + 60)
                          .arg(y - 40)
                          .arg(x + 90)
                          .arg(y + 50)
                          .arg(x + 10)
                          .arg(y + 70)
                          .arg(i % 3)
                          .arg((i * 2654435761u) & 0xffffff, 6, 16, QLatin1Char('0'))
                          .arg(1 + i % 4);
        }
        const QString svg =
            QStringLiteral(
                "<svg xmlns='http://www.w3.org/2000/svg' width='800' height='600'>"
                "<defs>"
                "<linearGradient id='g0'><stop offset='0' stop-color='#c33'/>"
                "<stop offset='1' stop-color='#fc3'/></linearGradient>"
                "<linearGradient id='g1' x2='0' y2='1'><stop offset='0' stop-color='#36c'/>"
                "<stop offset='1' stop-color='#9cf'/></linearGradient>"
                "<radialGradient id='g2' cx='0.5' cy='0.5' r='0.5'>"
                "<stop offset='0' stop-color='#fff'/><stop offset='1' stop-color='#393'/>"
                "</radialGradient>"
                "</defs><rect width='800' height='600' fill='#223'/>%1</svg>")
                .arg(shapes);
        const QString file = folder.filePath("artwork.svg");
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(svg.toUtf8());
        return file;
    }();
    return path;
}

void BarePngRead(benchmark::State& state) {
    const QString& photo = PhotoPng();  // written before the clock runs
    for (auto _ : state) {
        QImageReader reader(photo, "png");
        benchmark::DoNotOptimize(reader.read());
    }
}

void LoadPng(benchmark::State& state) {
    const QString& photo = PhotoPng();
    for (auto _ : state) benchmark::DoNotOptimize(LoadPictureBitmap(photo));
}

void BareSvgDraw(benchmark::State& state) {
    const QString& artwork = Artwork();
    for (auto _ : state) {
        QSvgRenderer renderer(artwork);
        QImage raster(BackOverlay, QImage::Format_RGB32);
        raster.fill(Qt::white);
        QPainter painter(&raster);
        renderer.render(&painter);
    }
}

void SvgOntoTheBackStrip(benchmark::State& state) {
    ResetCoverState();
    ProgramWindows windows;
    const QString& artwork = Artwork();
    for (auto _ : state) {
        ChooseBackPicture(artwork, BackPictureCover());
        DrawHeldPictures(PictureHalf::Back);
    }
}

}  // namespace

BENCHMARK(BarePngRead)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BareSvgDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(SvgOntoTheBackStrip)->Unit(benchmark::kMillisecond);
