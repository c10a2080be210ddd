// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/lcms_reference.h"

#include <QColorSpace>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

namespace {
constexpr int ToolTimeoutMs = 60'000;
}  // namespace

QImage LcmsToSrgb(const QImage& pixels, const QByteArray& profile) {
    QTemporaryDir folder;
    QImage tagged = pixels.convertToFormat(QImage::Format_RGB888);
    tagged.setColorSpace(QColorSpace::fromIccProfile(profile));
    // Qt's TIFF writer embeds the profile as it was given.
    if (!folder.isValid() || !tagged.colorSpace().isValid() ||
        !tagged.save(folder.filePath("in.tif"), "tiff"))
        return QImage();
    QProcess tool;
    tool.start("tificc", {"-t1", folder.filePath("in.tif"), folder.filePath("out.tif")});
    if (!tool.waitForFinished(ToolTimeoutMs) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
        return QImage();
    QImageReader reader(folder.filePath("out.tif"), "tiff");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}
