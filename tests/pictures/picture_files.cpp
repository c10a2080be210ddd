// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_files.h"

#include <QFile>

#include "app/error_box.h"
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
