// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's document commands, and the question before unsaved
// changes would be lost.


#include <QCoreApplication>
#include <QFileInfo>

#include "app/cover_transfer.h"
#include "app/document_session.h"
#include "app/main_window.h"
#include "app/open_file.h"
#include "app/program_windows.h"
#include "base/error_box.h"
#include "cases/case_kind_question.h"
#include "document/document_dialogs.h"
#include "document/document_file.h"

namespace {

// Saves to the document's file, or to one the user names; false when the
// user cancelled the naming.
bool saveCover(TForm1& window, bool askForName) {
    QString path = CurrentDocument->filePath();
    if (askForName || path.isEmpty()) {
        DocumentFileDialog& dialog = *window.SaveDialog1;
        dialog.Filter = QCoreApplication::translate("Document", "Sleevix covers (*.%1)")
                            .arg(CoverFileExtension);
        dialog.DefaultExt = QString::fromLatin1(CoverFileExtension);
        dialog.FileName = path;
        if (!dialog.Execute(&window)) return false;
        path = dialog.FileName;
    }
    SaveCoverFile(CaptureCover(), path);
    CurrentDocument->setDocument(path);
    return true;
}

// Before the cover is replaced or the window closes: true when it may go
// ahead, the changes saved or dropped as the user answered.
bool settleUnsavedChanges(TForm1& window) {
    if (!CurrentDocument || !CurrentDocument->isModified()) return true;
    const QString name = QFileInfo(CurrentDocument->filePath()).fileName();
    switch (window.SaveChangesBox1->Ask(name, &window)) {
        case SaveChangesQuestion::Answer::Save:
            return saveCover(window, false);
        case SaveChangesQuestion::Answer::Discard:
            return true;
        case SaveChangesQuestion::Answer::Cancel:
            break;
    }
    return false;
}

}  // namespace

void OpenInWindow(const QString& path) {
    // Read first, so that a file that is refused asks nothing...
    FileToOpen file = ReadFileToOpen(path);
    const bool hadChanges = CurrentDocument && CurrentDocument->isModified();
    if (!settleUnsavedChanges(*Form1)) return;
    // ...and again after the changes were saved: they may have been saved
    // into the very file being opened.
    if (hadChanges && !CurrentDocument->isModified()) file = ReadFileToOpen(path);
    const QString note = file.open();
    if (CurrentDocument && !file.documentPath.isEmpty())
        CurrentDocument->setDocument(QFileInfo(file.documentPath).absoluteFilePath());
    if (!note.isEmpty()) ApplicationErrorBox().Show(note);
}

void TForm1::New1Click() {
    if (!settleUnsavedChanges(*this)) return;
    const std::optional<CaseKind> kind = CaseKindBox1->Ask(this);
    if (!kind) return;
    StartNewCover(*kind);
    CurrentDocument->setDocument(QString());
}

void TForm1::Open1Click() {
    OpenDialog1->Filter = OpenableFileFilters();
    // In the folder of the document shown, if there is one.
    if (CurrentDocument && !CurrentDocument->filePath().isEmpty())
        OpenDialog1->FileName = CurrentDocument->filePath();
    if (!OpenDialog1->Execute(this)) return;
    OpenInWindow(OpenDialog1->FileName);
}

void TForm1::Save1Click() {
    saveCover(*this, false);
}

void TForm1::SaveAs1Click() {
    saveCover(*this, true);
}

void TForm1::Quit1Click() {
    close();
}

void TForm1::FormCloseQuery(bool& canClose) {
    // Stays false should saving fail: the error is shown, the window stays.
    canClose = false;
    canClose = settleUnsavedChanges(*this);
}
