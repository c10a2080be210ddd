// SPDX-License-Identifier: GPL-3.0-or-later
// The picture dialog's preview pane. A highlight returns to the event loop
// and the pane is drawn again at once, whatever the file: measured against
// decoding that file for the pane, which a highlight used to wait for. A
// photo's preview appears within one decode at libjpeg's smallest scale,
// and sooner from a camera's Exif thumbnail.

#include <string>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "bench_pictures.h"
#include "pictures/picture_dialog.h"
#include "helper/decode_helper.h"
#include "pictures/preview_stages.h"
#include "support/image_encoding.h"

namespace {

// The pane's picture area in device pixels (the pane less its border).
constexpr QSize PaneCover(180, 180), PaneRoom(178, 178);

// A drawing of many small shapes, compressed: seconds of drawing work in
// a few megabytes.
constexpr int HeavyShapes = 100'000;

const QString& heavySvgz() {
    static QTemporaryDir folder;
    static const QString path = [] {
        QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='2000' height='2000'>";
        for (int i = 0; i < HeavyShapes; ++i)
            svg += QStringLiteral("<rect x='%1' y='%2' width='7' height='5' fill='#%3'/>")
                       .arg((i * 37) % 2000)
                       .arg((i * 53) % 2000)
                       .arg((i * 2654435761u) & 0xffffff, 6, 16, QLatin1Char('0'))
                       .toLatin1();
        svg += "</svg>";
        const QString file = folder.filePath("heavy.svgz");
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(Gzipped(svg));
        return file;
    }();
    return path;
}

// Far longer than any decode here takes, even on a loaded machine: a signal
// that never comes fails the benchmark instead of hanging the run.
constexpr int WaitBoundMs = 30'000;

// Runs the event loop until the pane emits `shown`; false, with the
// benchmark failed, when it has not within the bound.
template <typename Signal>
bool waitFor(benchmark::State& state, PicturePreviewPane& pane, Signal shown) {
    QEventLoop loop;
    QObject::connect(&pane, shown, &loop, &QEventLoop::quit);
    QTimer::singleShot(WaitBoundMs, &loop, [&loop] { loop.exit(1); });
    if (loop.exec() == 0) return true;
    static const std::string failure =
        "the preview pane showed nothing within " + std::to_string(WaitBoundMs / 1000) + " s";
    state.SkipWithError(failure.c_str());
    return false;
}

bool waitUntilSettled(benchmark::State& state, PicturePreviewPane& pane) {
    return !pane.previewPending() || waitFor(state, pane, &PicturePreviewPane::previewShown);
}

// The file and a copy under another name, highlighted in turn: the pane
// reads a file only when its name changes.
class AlternateNames {
  public:
    explicit AlternateNames(const QString& file) : names_{file, copyOf(file)} {}
    const QString& next() { return names_[turn_ ^= 1]; }

  private:
    static QString copyOf(const QString& file) {
        static QTemporaryDir folder;
        const QString copy = folder.filePath(QFileInfo(file).fileName());
        if (!QFileInfo::exists(copy)) QFile::copy(file, copy);
        return copy;
    }

    QString names_[2];
    int turn_ = 0;
};

// The pane's first file also starts its decode helper, which a highlight
// finds running: not counted. A single timed iteration is then a pane's
// second file already.
bool warmUp(benchmark::State& state, PicturePreviewPane& pane, AlternateNames& names) {
    pane.showFile(names.next());
    return waitUntilSettled(state, pane);
}

// From the highlight until the pane shows the decoded photo.
void previewAppears(benchmark::State& state, const QString& photo) {
    PicturePreviewPane pane;
    AlternateNames names(photo);
    if (!warmUp(state, pane, names)) return;
    for (auto _ : state) {
        pane.showFile(names.next());
        if (!waitFor(state, pane, &PicturePreviewPane::previewShown)) break;
    }
    state.counters["file_MB"] = double(QFile(photo).size()) / (1 << 20);
}

void PreviewPaneShowsPhoto(benchmark::State& state) {
    previewAppears(state, PhotoJpeg());
}

void PreviewPaneShowsLowNoisePhoto(benchmark::State& state) {
    previewAppears(state, LowNoisePhotoJpeg());
}

// A camera's photo: until the decoded photo is shown, and until its
// thumbnail is (the photo's own decode that follows is not counted).
void PreviewPaneShowsCameraPhoto(benchmark::State& state) {
    previewAppears(state, CameraJpeg());
}

void PreviewPaneShowsCameraThumbnail(benchmark::State& state) {
    PicturePreviewPane pane;
    AlternateNames names(CameraJpeg());
    if (!warmUp(state, pane, names)) return;
    for (auto _ : state) {
        pane.showFile(names.next());
        if (!waitFor(state, pane, &PicturePreviewPane::thumbnailShown)) break;
        state.PauseTiming();
        const bool settled = waitUntilSettled(state, pane);
        state.ResumeTiming();
        if (!settled) break;
    }
}

void BareCameraJpegEighth(benchmark::State& state) {
    const QByteArray name = CameraJpeg().toLocal8Bit();
    for (auto _ : state) BareJpegDecode(name, 8);
}

// A highlight on the visible pane, up to the pane drawn again; the decode
// runs meanwhile on its worker and is waited for, untimed, before the next.
void highlightDrawn(benchmark::State& state, const QString& file) {
    PicturePreviewPane pane;
    AlternateNames names(file);
    pane.show();
    QCoreApplication::processEvents();
    if (!warmUp(state, pane, names)) return;
    for (auto _ : state) {
        pane.showFile(names.next());
        QCoreApplication::processEvents();
        state.PauseTiming();
        const bool settled = waitUntilSettled(state, pane);
        state.ResumeTiming();
        if (!settled) break;
    }
}

// What each highlight of that file cost the GUI thread before.
void paneDecode(benchmark::State& state, const QString& file) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            DecodePreview({file, PaneCover, PaneRoom}, [](PictureBitmap) { return true; },
                          ProgramDecodeHelper()));
}

void HighlightDrawnHeavyPng(benchmark::State& state) {
    highlightDrawn(state, PhotoPng());
}

void PaneDecodeOfHeavyPng(benchmark::State& state) {
    paneDecode(state, PhotoPng());
}

void HighlightDrawnHeavySvgz(benchmark::State& state) {
    highlightDrawn(state, heavySvgz());
}

void PaneDecodeOfHeavySvgz(benchmark::State& state) {
    paneDecode(state, heavySvgz());
}

}  // namespace

BENCHMARK(PreviewPaneShowsPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(PreviewPaneShowsLowNoisePhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(PreviewPaneShowsCameraPhoto)->Unit(benchmark::kMillisecond);
// The photo's decode after each thumbnail is untimed: a fixed count keeps
// the run short.
constexpr int ThumbnailRuns = 20;
BENCHMARK(PreviewPaneShowsCameraThumbnail)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(ThumbnailRuns);
BENCHMARK(BareCameraJpegEighth)->Unit(benchmark::kMillisecond);
// Each highlight waits, untimed, for its decode: a fixed count again.
constexpr int HighlightRuns = 5;
BENCHMARK(HighlightDrawnHeavyPng)->Unit(benchmark::kMillisecond)->Iterations(HighlightRuns);
BENCHMARK(PaneDecodeOfHeavyPng)->Unit(benchmark::kMillisecond);
BENCHMARK(HighlightDrawnHeavySvgz)->Unit(benchmark::kMillisecond)->Iterations(HighlightRuns);
BENCHMARK(PaneDecodeOfHeavySvgz)->Unit(benchmark::kMillisecond);
