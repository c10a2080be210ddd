// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include "document/cover_document.h"

// The document the main window shows: the file it was opened from or last
// saved to (none for a new cover), and whether the cover has changed since.
// A change is anything a save would write. Keeps the window's title:
// "cover.sleevix* - Sleevix v2.0" while there are unsaved changes,
// "Untitled* - Sleevix v2.0" for a cover never saved.
class DocumentSession : public QObject {
  public:
    // Made once the windows exist; the cover as it stands counts as saved.
    DocumentSession();
    ~DocumentSession() override;

    const QString& filePath() const { return path_; }
    bool isModified() const;

    // The cover now stands as the file at `path` holds it: just opened from
    // there or saved there.
    void setDocument(const QString& path);

  private:
    void watchWindows();
    void updateTitle();

    QString path_;
    CoverDocument saved_;
};

// The session of the running program; null while there are no windows.
extern DocumentSession* CurrentDocument;

// The main window's title for a document at `path` (empty for a cover
// never saved).
QString DocumentWindowTitle(const QString& path, bool modified);
