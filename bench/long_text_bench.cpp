// SPDX-License-Identifier: GPL-3.0-or-later
// Texts far longer than an insert can show: a cover whose artist is 10 MB
// and one track line 1 MB, rendered and exported against the same cover
// with texts of 1,000 characters. Besides the time, each reports the most
// memory the process held above what it held before the run (MB).

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "document/cover_export.h"
#include "support/process_use.h"

namespace {

constexpr qsizetype LongArtistCharacters = 5 * 1024 * 1024;  // "W " each: 10 MB
constexpr qsizetype LongTrackCharacters = 1024 * 1024;
constexpr qsizetype ShortCharacters = 1000;

CoverDocument coverWith(qsizetype artistCharacters, qsizetype trackCharacters) {
    CoverDocument cover;
    cover.tracks << QStringLiteral("1. ") + QString(trackCharacters, QLatin1Char('x'))
                 << QStringLiteral("2. Two");
    cover.artist = QStringLiteral("W ").repeated(artistCharacters / 2);
    cover.title = QStringLiteral("Title");
    cover.committed = true;
    cover.layout = CoverLayout::Centred;
    cover.surfaces = UsualSurfaceStyles(cover);
    return cover;
}

void renderAndExport(benchmark::State& state, const CoverDocument& cover) {
    ResetCoverState();
    ProgramWindows windows(WindowShowing::Hidden);
    ApplyCover(cover);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("cover.pdf"));
    const MemoryPeak peak;
    for (auto _ : state) {
        CenteredLayout = true;
        RenderCover();
        ExportCoverPdf(pdf, PaperSize::A4, CoverToPrint());
    }
    state.counters["peak_MB_above"] = peak.risenMegabytes();
}

void LongTextsRenderAndExport(benchmark::State& state) {
    renderAndExport(state, coverWith(LongArtistCharacters, LongTrackCharacters));
}

void ThousandCharacterTextsRenderAndExport(benchmark::State& state) {
    renderAndExport(state, coverWith(ShortCharacters, ShortCharacters));
}

}  // namespace

BENCHMARK(LongTextsRenderAndExport)->Unit(benchmark::kMillisecond);
BENCHMARK(ThousandCharacterTextsRenderAndExport)->Unit(benchmark::kMillisecond);
