// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>

#include "about/about_box.h"
#include "app/document_session.h"
#include "app/main_window.h"
#include "app/open_file.h"
#include "app/program_per_file.h"
#include "app/program_windows.h"
#include "base/application_title.h"
#include "base/handler_guard.h"
#include "cases/label_sheets.h"
#include "tracks/track_editor.h"

ProgramWindows::ProgramWindows(WindowShowing showing) {
    mainWindow_ = std::make_unique<TForm1>();  // sets Form1 as it starts
    if (showing == WindowShowing::Shown) Form1->show();
    trackEditor_ = std::make_unique<TForm2>();
    Form2 = trackEditor_.get();
    aboutBox_ = std::make_unique<TForm3>();
    Form3 = aboutBox_.get();
    session_ = std::make_unique<DocumentSession>();
    CurrentDocument = session_.get();
}

ProgramWindows::~ProgramWindows() {
    CurrentDocument = nullptr;
    session_.reset();
    aboutBox_.reset();
    trackEditor_.reset();
    mainWindow_.reset();
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
}

void SetUpApplication() {
    // Settings (calibration, label sheets, last choices) are kept under
    // these names, not Qt's "Unknown Organization".
    QApplication::setOrganizationName(QStringLiteral("Sleevix"));
    QApplication::setApplicationName(QStringLiteral("sleevix"));
    QApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    // No display name: Qt would append it to every window title, and each
    // window's caption is meant to stand exactly as it is.
    QApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
    QIcon icon;
    for (const char* size : {":/sleevix-48.png", ":/sleevix-256.png"})
        icon.addFile(QString::fromLatin1(size));
    QApplication::setWindowIcon(icon);
    // A damaged colour profile leaves its picture as stored, which is the
    // program's answer; Qt's own warning about it would be a second line.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.icc.warning=false"));
}

int RunProgramWindows(const QStringList& paths) {
    // The windows start with the label sheet chosen last; the command line
    // prints on what its document or --sheet names.
    RestoreChosenLabelSheet();
    ProgramWindows windows;
    if (!paths.isEmpty()) RunHandler([&] { OpenInWindow(paths.constFirst()); });
    if (paths.size() > 1) RunHandler([&] { StartProgramForEach(paths.mid(1)); });
    return QApplication::exec();
}
