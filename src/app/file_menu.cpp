// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar over the main window's controls, with its File menu.

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "base/handler_guard.h"
#include "document/document_dialogs.h"

namespace {
QAction* addItem(QMenu* menu, const QString& caption, const char* shortcut = nullptr) {
    QAction* item = menu->addAction(caption);
    if (shortcut) item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return item;
}
}  // namespace

void TForm1::buildFileMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setAccessibleName(QCoreApplication::translate("MainWindow", "Menu bar"));
    File1 = MainMenu1->addMenu(QCoreApplication::translate("MainWindow", "&File"));
    New1 = addItem(File1, QCoreApplication::translate("MainWindow", "&New"), "Ctrl+N");
    Open1 = addItem(File1, QCoreApplication::translate("MainWindow", "&Open..."), "Ctrl+O");
    Save1 = addItem(File1, QCoreApplication::translate("MainWindow", "&Save"), "Ctrl+S");
    SaveAs1 =
        addItem(File1, QCoreApplication::translate("MainWindow", "Save &As..."), "Ctrl+Shift+S");
    File1->addSeparator();
    ExportPdf1 = addItem(File1, QCoreApplication::translate("MainWindow", "Export as P&DF..."));
    ExportPng1 = addItem(File1, QCoreApplication::translate("MainWindow", "Export as PN&G..."));
    ExportPrintShop1 =
        addItem(File1, QCoreApplication::translate("MainWindow", "Export for print s&hop..."));
    File1->addSeparator();
    Quit1 = addItem(File1, QCoreApplication::translate("MainWindow", "&Quit"), "Ctrl+Q");

    // The window grows by the menu bar; the controls keep their places in
    // the area under it.
    MainMenu1->setGeometry(0, 0, width(), MainMenu1->sizeHint().height());
    ClientArea->move(0, MainMenu1->height());

    OpenDialog1 = std::make_unique<ScreenOpenDocumentDialog>();
    SaveDialog1 = std::make_unique<ScreenSaveDocumentDialog>();
    ExportDialog1 = std::make_unique<ScreenExportDialog>();
    SaveChangesBox1 = std::make_unique<ScreenSaveChangesQuestion>();

    ConnectHandler(New1, &QAction::triggered, this, [this] { New1Click(); });
    ConnectHandler(Open1, &QAction::triggered, this, [this] { Open1Click(); });
    ConnectHandler(Save1, &QAction::triggered, this, [this] { Save1Click(); });
    ConnectHandler(SaveAs1, &QAction::triggered, this, [this] { SaveAs1Click(); });
    ConnectHandler(ExportPdf1, &QAction::triggered, this, [this] { ExportPdf1Click(); });
    ConnectHandler(ExportPng1, &QAction::triggered, this, [this] { ExportPng1Click(); });
    ConnectHandler(ExportPrintShop1, &QAction::triggered, this,
                   [this] { ExportPrintShop1Click(); });
    ConnectHandler(Quit1, &QAction::triggered, this, [this] { Quit1Click(); });
}
