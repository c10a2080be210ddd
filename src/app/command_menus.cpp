// SPDX-License-Identifier: GPL-3.0-or-later
// The menus of the toolbar's commands, each with its shortcut: the toolbar
// buttons hold the commands, the menus lead the keyboard to them.

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/button_command.h"
#include "app/main_window.h"
#include "base/handler_guard.h"
#include "widgets/captioned_button.h"

void TForm1::buildCommandMenus() {
    // "Close" is the File menu's "Quit"; "Print" stands in the File menu.
    Print1 = AddButtonCommand(*File1, QCoreApplication::translate("MainWindow", "&Print..."),
                              QKeySequence::Print, *button4);
    PrintPreview1 =
        new QAction(QCoreApplication::translate("MainWindow", "Print Pre&view..."), File1);
    PrintPreview1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    ConnectHandler(PrintPreview1, &QAction::triggered, this, [this] { PrintPreview1Click(); });
    File1->insertAction(Quit1, PrintPreview1);
    File1->insertAction(Quit1, Print1);
    File1->insertSeparator(Quit1);

    Cover1 = MainMenu1->addMenu(QCoreApplication::translate("MainWindow", "&Cover"));
    EditTracks1 =
        AddButtonCommand(*Cover1, QCoreApplication::translate("MainWindow", "&Edit Tracks..."),
                         QKeySequence(Qt::CTRL | Qt::Key_E), *button3);
    FontTypeColor1 =
        AddButtonCommand(*Cover1, QCoreApplication::translate("MainWindow", "&Font type/color..."),
                         QKeySequence(Qt::CTRL | Qt::Key_T), *Button1);
    Left1 = AddButtonCommand(*Cover1, QCoreApplication::translate("MainWindow", "&Left"),
                             QKeySequence(Qt::CTRL | Qt::Key_L), *BitBtn2);
    Center1 = AddButtonCommand(*Cover1, QCoreApplication::translate("MainWindow", "&Center"),
                               QKeySequence(Qt::CTRL | Qt::Key_M), *BitBtn1);
    Image1Item = AddButtonCommand(*Cover1, QCoreApplication::translate("MainWindow", "&Image..."),
                                  QKeySequence(Qt::CTRL | Qt::Key_I), *BitBtn5);

    Help1 = MainMenu1->addMenu(QCoreApplication::translate("MainWindow", "&Help"));
    About1 = AddButtonCommand(*Help1, QCoreApplication::translate("MainWindow", "&About..."),
                              QKeySequence::HelpContents, *BitBtn4);
}
