// SPDX-License-Identifier: GPL-3.0-or-later
// A whole print job against the floor of reading its two pictures and
// putting them into a PDF of the same page: what the layout, outlines and
// texts add. A DVD wrap with the same photos against the jewel case.

#include <benchmark/benchmark.h>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include "app/cover_state.h"
#include "app/current_cover.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "bench_pictures.h"
#include "document/cover_export.h"
#include "pictures/picture_loader.h"
#include "print/print_job.h"
#include "tracks/track_editor.h"

namespace {

constexpr int PrintDpi = 600;
constexpr double DevicePerUnit = PrintDpi / 254.0;  // page units of 0.1 mm

void setUpPrinter(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(PrintDpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

// 41 tracks, artist and title, and the 12 megapixel photo behind both
// inserts, as chosen: held at the screen's size, read again whole by a job.
void setUpCover() {
    for (int i = 1; i <= 41; ++i) {
        Form2->Edit1->setText(QStringLiteral("Track number %1 with a longer name here").arg(i));
        Form2->Button3Click();
    }
    Form2->Edit3->setText(QStringLiteral("The Benchmark Ensemble"));
    Form2->Edit2->setText(QStringLiteral("Songs of Measured Time"));
    Form2->Button1Click();
    PrintArtistName = Form2->Edit3->text();
    PrintAlbumTitle = Form2->Edit2->text();
    // As chosen: held at the screen's size, read again whole by the job.
    HasBackPicture = HasFrontPicture = true;
    BackPicturePath = FrontPicturePath = PhotoJpeg();
    BackPicture = *LoadPictureBitmap(PhotoJpeg(), QSize(442, 353));
    FrontPicture = *LoadPictureBitmap(PhotoJpeg(), QSize(361, 353));
}

void printJob(benchmark::State& state, CaseKind kind) {
    ResetCoverState();
    ProgramWindows windows;
    setUpCover();
    Form1->ChooseCaseKind(kind);
    QTemporaryDir folder;
    const QString file = folder.filePath("cover.pdf");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        setUpPrinter(printer, file);
        // The wrap is wider than A4 is across.
        if (kind == CaseKind::Dvd) printer.setPageOrientation(QPageLayout::Landscape);
        PrintCover(printer, CurrentCover(CoverUse::Print));
    }
    state.counters["pdf_MB"] = double(QFileInfo(file).size()) / 1e6;
}

void PrintJobToPdf(benchmark::State& state) {
    printJob(state, CaseKind::Jewel);
}

// The DVD wrap draws its pieces through the table-driven layout.
void DvdPrintJobToPdf(benchmark::State& state) {
    printJob(state, CaseKind::Dvd);
}

// The cover as the window shows it, for the PNG export.
void coverImage(benchmark::State& state, CaseKind kind) {
    ResetCoverState();
    ProgramWindows windows;
    setUpCover();
    Form1->ChooseCaseKind(kind);
    for (auto _ : state) benchmark::DoNotOptimize(CoverImage(CurrentCover(), 2));
}

void JewelCoverImage(benchmark::State& state) {
    coverImage(state, CaseKind::Jewel);
}

void DvdCoverImage(benchmark::State& state) {
    coverImage(state, CaseKind::Dvd);
}

// The job reads both pictures from their files whole, so the floor does too.
void PicturesOnlyToPdf(benchmark::State& state) {
    QTemporaryDir folder;
    const QString file = folder.filePath("pictures.pdf");
    for (auto _ : state) {
        QPdfWriter writer(file);
        writer.setResolution(PrintDpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.scale(DevicePerUnit, DevicePerUnit);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(200, 100, 1500, 1175), LoadPictureBitmap(PhotoJpeg())->pixels());
        painter.drawImage(QRect(200, 1300, 1210, 1200), LoadPictureBitmap(PhotoJpeg())->pixels());
    }
    state.counters["pdf_MB"] = double(QFileInfo(file).size()) / 1e6;
}

}  // namespace

BENCHMARK(PrintJobToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(DvdPrintJobToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(JewelCoverImage)->Unit(benchmark::kMillisecond);
BENCHMARK(DvdCoverImage)->Unit(benchmark::kMillisecond);
BENCHMARK(PicturesOnlyToPdf)->Unit(benchmark::kMillisecond);
