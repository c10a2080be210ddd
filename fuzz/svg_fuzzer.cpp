// SPDX-License-Identifier: GPL-3.0-or-later
// SVG drawings through the loader's own steps: text (inflated when it is
// gzip, as a .svgz), made self-contained, parsed, and drawn onto a small
// raster, since drawing is where most of a drawing's contents are used.

#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "base/sleevix_error.h"
#include "fuzz/decoder_fuzzer.h"
#include "pictures/picture_loader.h"

namespace {

constexpr size_t PrintedRunEvery = 16;
constexpr QSize PrintedBackInsert(7087, 5551);

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartQuietGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool gzip = size >= 2 && data[0] == 0x1f && data[1] == 0x8b;
    // Some runs draw at the back insert's printed size (1200 dpi), where a
    // drawing's layers, filters and patterns take their real sizes; the
    // work meter bounds them in the process itself.
    const bool printed = size % PrintedRunEvery == 0;
    try {
        DecodePictureHere(gzip ? QStringLiteral("drawing.svgz") : QStringLiteral("drawing.svg"),
                          bytes, printed ? PrintedBackInsert : QSize(64, 48),
                          printed ? PictureUse::Print : PictureUse::Screen, 0);
    } catch (const SleevixError&) {
    }
    return 0;
}
