// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The File menu's dialogs, owned by the main window like its other platform
// dialogs: the screen implementations show Qt's dialogs, tests put scripted
// ones in their place.

#include <QString>

#include "document/cover_export.h"
#include "print/print_shop_export.h"

class QWidget;

// Choosing a file to open, or the file to save a cover as.
class DocumentFileDialog {
  public:
    virtual ~DocumentFileDialog() = default;
    // Opens on FileName; on OK sets it to the chosen file and returns true.
    virtual bool Execute(QWidget* parent) = 0;
    QString FileName;
    QString Filter;      // name filters, ";;" between them
    QString DefaultExt;  // added to a name typed without one
};

enum class ExportKind { Pdf, Png, PrintShop };

// Choosing where an export goes, with its paper (PDF), scale (PNG) or
// bleed (print shop).
class ExportDialog {
  public:
    virtual ~ExportDialog() = default;
    // On OK sets FileName and Paper or Scale and returns true.
    virtual bool Execute(ExportKind kind, QWidget* parent) = 0;
    QString FileName;
    PaperSize Paper = PaperSize::A4;
    int Scale = MinExportScale;
    double Bleed = DefaultBleedMm;
};

// Asked before unsaved changes would be lost.
class SaveChangesQuestion {
  public:
    enum class Answer { Save, Discard, Cancel };
    virtual ~SaveChangesQuestion() = default;
    // `documentName` is the document's file name; empty for a new cover.
    virtual Answer Ask(const QString& documentName, QWidget* parent) = 0;
};

class ScreenOpenDocumentDialog : public DocumentFileDialog {
  public:
    bool Execute(QWidget* parent) override;
};

class ScreenSaveDocumentDialog : public DocumentFileDialog {
  public:
    bool Execute(QWidget* parent) override;
};

class ScreenExportDialog : public ExportDialog {
  public:
    bool Execute(ExportKind kind, QWidget* parent) override;
};

class ScreenSaveChangesQuestion : public SaveChangesQuestion {
  public:
    Answer Ask(const QString& documentName, QWidget* parent) override;
};
