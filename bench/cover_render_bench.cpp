// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of fitting: a full render of a full cover against the floor, the
// same texts drawn once at their final sizes with the same clears and lines.

#include <benchmark/benchmark.h>
#include <QLineEdit>
#include <QListWidget>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/outlines.h"
#include "tracks/track_editor.h"

namespace {

// A cover of 41 tracks of about 40 characters, with artist and title.
class FullCover {
  public:
    FullCover() {
        ResetCoverState();
        windows_ = std::make_unique<ProgramWindows>();
        for (int i = 1; i <= MaxTracks; ++i) {
            Form2->Edit1->setText(QStringLiteral("Track number %1 with a longer name here").arg(i));
            Form2->Button3Click();
        }
        Form2->Edit3->setText(QStringLiteral("The Benchmark Ensemble"));
        Form2->Edit2->setText(QStringLiteral("Songs of Measured Time"));
    }

  private:
    std::unique_ptr<ProgramWindows> windows_;
};

struct FinalSizes {
    int back, front, spine, spineLength;
};

FinalSizes finalSizes() {
    const Canvas& left = Form1->Image2;
    return {Form1->Image1.font.size, Form1->Image4.font.size, left.font.size,
            left.textWidth(ArtistName + SeparatorText + AlbumTitle)};
}

// What a render must draw at the least, fitting nothing.
void drawAtFinalSizes(const FinalSizes& sizes, LayoutMode mode) {
    Canvas& back = Form1->Image1;
    Canvas& front = Form1->Image4;
    Canvas& left = Form1->Image2;
    Canvas& right = Form1->Image3;
    for (Canvas* surface : {&back, &left, &right, &front}) surface->clear();
    if (mode == LayoutMode::Centred) {
        back.rectangle(0, 0, back.width(), back.height());
        front.rectangle(0, 0, front.width(), front.height());
    }
    back.font.size = sizes.back;
    const int lineHeight = back.textHeight(QString());
    for (int i = 0; i < TrackCount; ++i) {
        const QString line = Form2->trackEntry(i);
        const int x = mode == LayoutMode::Centred ? 200 - back.textWidth(line) / 2 : 10;
        back.textOut(x, i * lineHeight + 5, line);
    }
    front.font.size = sizes.front;
    const QString artist = ArtistName + TitleSeparator;
    front.textOut(180 - front.textWidth(artist) / 2, 135, artist);
    front.textOut(180 - front.textWidth(AlbumTitle) / 2, front.textHeight(AlbumTitle) + 140,
                  AlbumTitle);
    const QString spineText = ArtistName + TitleSeparator + AlbumTitle;
    left.font.size = right.font.size = sizes.spine;
    left.textOut(1, 176 + sizes.spineLength / 2, spineText);
    right.textOut(21, 176 - sizes.spineLength / 2, spineText);
    DrawWindowOutlines(AllOutlineGroups);
}

void LeftRender(benchmark::State& state) {
    FullCover cover;
    for (auto _ : state) Form2->Button1Click();
}

void CentredRender(benchmark::State& state) {
    FullCover cover;
    for (auto _ : state) Form1->BitBtn1Click();
}

void LeftFloor(benchmark::State& state) {
    FullCover cover;
    Form2->Button1Click();
    const FinalSizes sizes = finalSizes();
    for (auto _ : state) drawAtFinalSizes(sizes, LayoutMode::Left);
}

void CentredFloor(benchmark::State& state) {
    FullCover cover;
    Form1->BitBtn1Click();
    const FinalSizes sizes = finalSizes();
    for (auto _ : state) drawAtFinalSizes(sizes, LayoutMode::Centred);
}

}  // namespace

BENCHMARK(LeftRender)->Unit(benchmark::kMicrosecond);
BENCHMARK(LeftFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(CentredRender)->Unit(benchmark::kMicrosecond);
BENCHMARK(CentredFloor)->Unit(benchmark::kMicrosecond);
