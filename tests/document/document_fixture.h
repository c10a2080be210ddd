// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QImage>
#include <QTemporaryDir>

#include "support/cover_fixture.h"
#include "support/scripted_document_dialogs.h"

// A cover fixture whose File menu answers from scripts, with a folder for
// the documents and pictures a test writes.
class DocumentFixture : public CoverFixture {
  protected:
    void SetUp() override;
    // A new run of the program, every dialog scripted again.
    void restart();

    QString pathOf(const QString& name) const { return folder.filePath(name); }
    // A picture file of the given size with a pattern in it (BMP).
    QString writePicture(const QString& path, QSize size = QSize(300, 200)) const;
    // A document file holding exactly `json`.
    QString writeDocument(const QString& name, const QByteArray& json) const;

    // "Save As...", "Save" and "Open..." as the menu runs them.
    void saveAs(const QString& path);
    void save();
    void openFile(const QString& path);

    // The four visible surfaces' pixels: back, left spine, right spine, front.
    std::vector<QImage> surfacePixels() const;
    // The page "Print" prints, drawn at 100 dots per inch.
    QImage printedPage() const;

    QTemporaryDir folder;
    ScriptedDocumentFileDialog* openDialog = nullptr;
    ScriptedDocumentFileDialog* saveDialog = nullptr;
    ScriptedExportDialog* exportDialog = nullptr;
    ScriptedSaveChangesQuestion* saveChanges = nullptr;
    ScriptedCaseKindQuestion* caseKind = nullptr;

  private:
    void scriptDocumentDialogs();
};
