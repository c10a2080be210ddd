// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

class QAbstractButton;
class QAction;
class QMenu;

// A menu item that runs what its button runs, by a click of the button, and
// is enabled exactly while the button is; the shortcut is shown beside it.
QAction* AddButtonCommand(QMenu& menu, const QString& caption, const QKeySequence& shortcut,
                          QAbstractButton& button);
