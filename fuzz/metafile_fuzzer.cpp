// SPDX-License-Identifier: GPL-3.0-or-later
// The metafile player: parse, then play onto a small raster, since playing
// is where the records' contents are read.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include "base/sleevix_error.h"
#include "fuzz/decoder_fuzzer.h"
#include "pictures/metafile/metafile_picture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartQuietGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const MetafilePicture picture(bytes);
        QImage target(64, 48, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        picture.drawStretched(painter, target.rect());
    } catch (const SleevixError&) {
    }
    return 0;
}
