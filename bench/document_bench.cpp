// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document against the commit its drawing ends in; and, as whole
// processes, an export from the command line against the program's bare
// start-up, to be read beside the in-process print job (print_bench.cpp)
// of the same cover.

#include <string>

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "bench_pictures.h"
#include "document/document_file.h"

namespace {

// The cover the render and print benchmarks use: 41 tracks of about 40
// characters, artist and title, committed flush left.
CoverDocument fullCover() {
    CoverDocument cover;
    for (int i = 1; i <= MaxTracks; ++i)
        cover.tracks << QStringLiteral("%1. Track number %1 with a longer name here").arg(i);
    cover.artist = QStringLiteral("The Benchmark Ensemble");
    cover.title = QStringLiteral("Songs of Measured Time");
    cover.committed = true;
    cover.surfaces = UsualSurfaceStyles(cover);
    return cover;
}

QTemporaryDir& folder() {
    static QTemporaryDir documents;
    return documents;
}

const QString& plainDocument() {
    static const QString path = [] {
        const QString file = folder().filePath(QStringLiteral("plain.sleevix"));
        SaveCoverFile(fullCover(), file);
        return file;
    }();
    return path;
}

// The same cover with a 12-megapixel photo behind each insert.
const QString& picturedDocument() {
    static const QString path = [] {
        CoverDocument cover = fullCover();
        cover.back.picture.path = cover.front.picture.path = PhotoJpeg();
        cover.surfaces = UsualSurfaceStyles(cover);
        const QString file = folder().filePath(QStringLiteral("pictured.sleevix"));
        SaveCoverFile(cover, file);
        return file;
    }();
    return path;
}

// Far longer than an export takes, even on a loaded machine: a program that
// hangs fails the benchmark instead of the run.
constexpr int ProcessBoundMs = 60'000;

// One run of the program; false, with the benchmark failed, when it did not
// end well within the bound.
bool runSleevix(benchmark::State& state, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(SLEEVIX_EXECUTABLE), arguments);
    if (!process.waitForFinished(ProcessBoundMs)) {
        process.kill();
        process.waitForFinished();
        static const std::string failure =
            "sleevix did not end within " + std::to_string(ProcessBoundMs / 1000) + " s";
        state.SkipWithError(failure.c_str());
        return false;
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return true;
    state.SkipWithError("sleevix failed");
    return false;
}

void OpenAndDrawDocument(benchmark::State& state) {
    ResetCoverState();
    ProgramWindows windows;
    for (auto _ : state) ApplyCover(LoadCoverFile(plainDocument()));
}

void StartUpProcess(benchmark::State& state) {
    for (auto _ : state)
        if (!runSleevix(state, {QStringLiteral("--version")})) break;
}

void ExportProcessToPdf(benchmark::State& state) {
    const QString output = folder().filePath(QStringLiteral("export.pdf"));
    for (auto _ : state)
        if (!runSleevix(state, {QStringLiteral("--export"), output, picturedDocument()})) break;
}

}  // namespace

BENCHMARK(OpenAndDrawDocument)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartUpProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportProcessToPdf)->Unit(benchmark::kMillisecond);
