// SPDX-License-Identifier: GPL-3.0-or-later
// The metafile player against Qt replaying a recording of the same drawing:
// what parsing and interpreting the records costs over drawing the shapes.

#include <benchmark/benchmark.h>
#include <QFile>
#include <QPainter>
#include <QPicture>

#include "pictures/metafile/metafile_picture.h"
#include "support/metafile_builder.h"

namespace {

// The reference EMF where it lies beside the clone; elsewhere (a fresh
// clone on its own) the largest of the program's own sample metafiles, so
// the figures always come.
QByteArray referenceEmf() {
    QFile file(
        QStringLiteral(SLEEVIX_SOURCE_DIR "/../shared/testdata/metafiles/test_libuemf_ref.emf"));
    if (file.open(QIODevice::ReadOnly)) return file.readAll();
    QByteArray largest;
    for (const auto& [name, bytes] : MetafileSamples())
        if (name.endsWith(QLatin1String(".emf")) && bytes.size() > largest.size()) largest = bytes;
    return largest;
}

void LoadAndDrawEmf(benchmark::State& state) {
    const QByteArray bytes = referenceEmf();
    if (bytes.isEmpty()) return state.SkipWithError("no EMF to draw");
    for (auto _ : state) {
        const MetafilePicture picture(bytes);
        QImage target(picture.width(), picture.height(), QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        picture.drawAt(painter, QPoint(0, 0));
    }
}

void ReplayRecordedEmf(benchmark::State& state) {
    const QByteArray bytes = referenceEmf();
    if (bytes.isEmpty()) return state.SkipWithError("no EMF to draw");
    const MetafilePicture picture(bytes);
    QPicture recording;
    {
        QPainter recorder(&recording);
        picture.drawAt(recorder, QPoint(0, 0));
    }
    for (auto _ : state) {
        QImage target(picture.width(), picture.height(), QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        painter.drawPicture(0, 0, recording);
    }
}

}  // namespace

BENCHMARK(LoadAndDrawEmf)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplayRecordedEmf)->Unit(benchmark::kMillisecond);
