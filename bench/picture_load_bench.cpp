// SPDX-License-Identifier: GPL-3.0-or-later
// The loader's own cost: LoadPictureBitmap against the bare library decode
// of the same file with the same settings; and a photo read for the screen
// through the decode helper against the same decode in the process itself.

#include <vector>

#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <QImage>

#include "bench_pictures.h"
#include "pictures/picture_loader.h"

namespace {

void BareJpeg(benchmark::State& state) {
    const QByteArray name = PhotoJpeg().toLocal8Bit();
    for (auto _ : state) BareJpegDecode(name);
}

void LoadJpeg(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadPictureBitmap(PhotoJpeg()));
}

// The back insert's picture area on the screen.
constexpr QSize ScreenCover(442, 353);

void LoadJpegForScreen(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPictureBitmap(PhotoJpeg(), ScreenCover));
}

void LoadJpegForScreenInProcess(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodePictureHere(PhotoJpeg(), *ReadPictureBytes(PhotoJpeg()),
                                                   ScreenCover, PictureUse::Screen, 1));
}

void BareGifDecode(benchmark::State& state) {
    const QByteArray name = LargeGif().toLocal8Bit();
    for (auto _ : state) {
        int error = 0;
        GifFileType* gif = DGifOpenFileName(name.constData(), &error);
        DGifSlurp(gif);
        const SavedImage& frame = gif->SavedImages[0];
        const ColorMapObject* colours = gif->SColorMap;
        const size_t count = size_t(frame.ImageDesc.Width) * size_t(frame.ImageDesc.Height);
        std::vector<QRgb> pixels(count);
        for (size_t i = 0; i < count; ++i) {
            const GifColorType& c = colours->Colors[frame.RasterBits[i]];
            pixels[i] = qRgb(c.Red, c.Green, c.Blue);
        }
        DGifCloseFile(gif, &error);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void LoadGif(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadPictureBitmap(LargeGif()));
}

}  // namespace

BENCHMARK(BareJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadJpegForScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadJpegForScreenInProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(BareGifDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadGif)->Unit(benchmark::kMillisecond);
