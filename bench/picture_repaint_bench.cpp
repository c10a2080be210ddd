// SPDX-License-Identifier: GPL-3.0-or-later
// An outline switch after a commit with a large back and front picture
// reads the pictures three times (its own repaint, then both in the
// re-render). The screen decodes only what its surfaces show, so the switch
// should cost a fraction of three full decodes, and holding both pictures
// little memory. Also the bare decodes the picture dialog's preview pane is
// measured against.

#include <benchmark/benchmark.h>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "bench_pictures.h"
#include "support/process_use.h"
#include "support/scripted_seams.h"
#include "tracks/track_editor.h"

namespace {

void OutlineSwitchWithPictures(benchmark::State& state) {
    ResetCoverState();
    ProgramWindows windows;
    QCoreApplication::processEvents();
    const MemoryPeak peak;
    auto dialog = std::make_unique<ScriptedOpenPictureDialog>();
    ScriptedOpenPictureDialog* pictures = dialog.get();
    Form1->OpenPictureDialog1 = std::move(dialog);
    for (int i = 1; i <= 12; ++i) {
        Form2->Edit1->setText(QStringLiteral("Track %1").arg(i));
        Form2->Button3Click();
    }
    Form2->Button1Click();
    for (int page : {0, 1}) {
        Form1->TabbedNotebook1->setCurrentIndex(page);
        pictures->answers = {PhotoJpeg()};
        Form1->BitBtn5Click();
    }
    for (auto _ : state) Form1->CheckBox1Click();
    state.counters["peak_MB"] = peak.peakMegabytes();
    state.counters["peak_above_empty_MB"] = peak.risenMegabytes();
}

void ThreeBareJpegDecodes(benchmark::State& state) {
    const QByteArray name = PhotoJpeg().toLocal8Bit();
    for (auto _ : state)
        for (int i = 0; i < 3; ++i) BareJpegDecode(name);
}

// The least any decode scaled by libjpeg can cost for the pane: the
// smallest scale, which still reads and entropy-decodes every coefficient.
void BareJpegEighth(benchmark::State& state) {
    const QByteArray name = PhotoJpeg().toLocal8Bit();
    for (auto _ : state) BareJpegDecode(name, 8);
}

// The same for a photo of finer grain, where entropy decoding is a
// smaller share of the whole decode.
void BareJpegLowNoise(benchmark::State& state) {
    const QByteArray name = LowNoisePhotoJpeg().toLocal8Bit();
    for (auto _ : state) BareJpegDecode(name);
}

void BareJpegLowNoiseEighth(benchmark::State& state) {
    const QByteArray name = LowNoisePhotoJpeg().toLocal8Bit();
    for (auto _ : state) BareJpegDecode(name, 8);
}

}  // namespace

BENCHMARK(BareJpegLowNoise)->Unit(benchmark::kMillisecond);
BENCHMARK(BareJpegLowNoiseEighth)->Unit(benchmark::kMillisecond);
BENCHMARK(BareJpegEighth)->Unit(benchmark::kMillisecond);
BENCHMARK(OutlineSwitchWithPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreeBareJpegDecodes)->Unit(benchmark::kMillisecond);
