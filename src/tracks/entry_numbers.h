// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// An appended entry: the number, ". " and the text.
QString NumberedEntry(int number, const QString& text);

// The entries with every leading "N. " rewritten to count 1, 2, 3, ... in
// list order; entries without such a number keep their text and take no
// number.
QStringList RenumberedEntries(const QStringList& entries);
