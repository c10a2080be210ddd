// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The platform's dialogs and services as objects owned by their window. The
// screen implementations show Qt's dialogs; tests put scripted ones in their
// place, and the handlers run unchanged.

#include <functional>

#include <QColor>
#include <QFont>
#include <QString>

class QPrinter;
class QWidget;

class FontDialog {
  public:
    virtual ~FontDialog() = default;
    // Opens with Font and Color; on OK keeps the choice there and returns true.
    virtual bool Execute(QWidget* parent) = 0;
    QFont Font = DefaultFont();
    QColor Color;  // set by the owner: the window-text colour

    static QFont DefaultFont();
};

class ColorDialog {
  public:
    virtual ~ColorDialog() = default;
    // Opens with Color; on OK keeps the choice there and returns true.
    virtual bool Execute(QWidget* parent) = 0;
    QColor Color = QColor(Qt::black);
};

class OpenPictureDialog {
  public:
    virtual ~OpenPictureDialog() = default;
    // On OK sets FileName to the chosen file and returns true.
    virtual bool Execute(QWidget* parent) = 0;
    QString FileName;
    QString Filter;  // "shown|masks|shown|masks..."
    QString DefaultExt;
};

class PrintDialog {
  public:
    virtual ~PrintDialog() = default;
    // Lets the user set up the printer; true when printing is to go ahead.
    virtual bool Execute(QPrinter& printer, QWidget* parent) = 0;
    // Sets the printer up as the dialog would offer it: the choice made last.
    virtual void OfferLastChoice(QPrinter&) {}
};

class PrintPreviewDialog {
  public:
    virtual ~PrintPreviewDialog() = default;
    // Shows the page `drawPage` draws on the printer as set up, as it will
    // print there; true when the user asks to print it.
    virtual bool Execute(QPrinter& printer, QWidget* parent,
                         const std::function<void(QPrinter&)>& drawPage) = 0;
};

// Opens a web address with the desktop's default browser.
class WebBrowser {
  public:
    virtual ~WebBrowser() = default;
    virtual void Open(const QString& address) = 0;
};

class ScreenColorDialog : public ColorDialog {
  public:
    bool Execute(QWidget* parent) override;
};

class ScreenPrintDialog : public PrintDialog {
  public:
    bool Execute(QPrinter& printer, QWidget* parent) override;
    void OfferLastChoice(QPrinter& printer) override;

  private:
    // The printer chosen last, offered first for the rest of the run; for
    // "Print to File", the folder the file went to.
    QString printerName_;
    QString fileFolder_;
};

class DesktopWebBrowser : public WebBrowser {
  public:
    void Open(const QString& address) override;
};
