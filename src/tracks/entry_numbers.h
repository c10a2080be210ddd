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

// Titles numbered on from `first` as appended entries, as many as `room`
// allows; the rest are counted.
struct NumberedTitles {
    QStringList entries;
    qsizetype leftOut = 0;
};
NumberedTitles NumberTitles(const QStringList& titles, int first, qsizetype room);

// What the user is told when `leftOut` of `offered` tracks found no room.
QString LeftOutMessage(qsizetype leftOut, qsizetype offered);
