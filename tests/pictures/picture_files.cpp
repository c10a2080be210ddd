// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_files.h"

#include <QFile>
#include <QTest>

#include "base/sleevix_error.h"
#include "pictures/picture_dialog.h"
#include "pictures/picture_loader.h"

QString PictureFiles::write(const QString& name, const QByteArray& bytes) {
    const QString target = folder_.filePath(name);
    QFile file(target);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return target;
}

QString LoadErrorOf(const QString& fileName) {
    try {
        LoadPictureBitmap(fileName);
    } catch (const SleevixError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

bool ShowInPane(PicturePreviewPane& pane, const QString& path) {
    constexpr int HangBound = 30000;  // ms; only a hang comes near it
    pane.showFile(path);
    return QTest::qWaitFor([&] { return !pane.previewPending(); }, HangBound);
}
