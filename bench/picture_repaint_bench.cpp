// An outline switch after a commit with a large back and front picture
// decodes the pictures three times (its own repaint, then both in the
// re-render); everything around the decodes should cost little beside them.

#include <fstream>
#include <string>

#include <benchmark/benchmark.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "bench_pictures.h"
#include "support/scripted_seams.h"
#include "tracks/track_editor.h"

namespace {

// The most memory the process has held, in megabytes.
long peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) / 1024;
    return -1;
}

void OutlineSwitchWithPictures(benchmark::State& state) {
    ResetCoverState();
    ProgramWindows windows;
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
    state.counters["peak_MB"] = double(peakMegabytes());
}

void ThreeBareJpegDecodes(benchmark::State& state) {
    const QByteArray name = PhotoJpeg().toLocal8Bit();
    for (auto _ : state)
        for (int i = 0; i < 3; ++i) BareJpegDecode(name);
}

}  // namespace

BENCHMARK(OutlineSwitchWithPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreeBareJpegDecodes)->Unit(benchmark::kMillisecond);
