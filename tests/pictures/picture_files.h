// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class PicturePreviewPane;

// A scratch folder where a test writes the picture files it loads.
class PictureFiles {
  public:
    QString write(const QString& name, const QByteArray& bytes);
    QString path(const QString& name) const { return folder_.filePath(name); }

  private:
    QTemporaryDir folder_;
};

// The message LoadPictureBitmap raises for the file, or "(no error)".
QString LoadErrorOf(const QString& fileName);

// Highlights the file in the pane and waits until the pane shows what it
// holds; false only when that never happens (a hang).
bool ShowInPane(PicturePreviewPane& pane, const QString& path);
