// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Titles in list order without the track numbers they lead with ("3. ",
// "03 ", "3) ", "3 - "), so that these do not double with the list's own: a
// number equal to the title's place in the list is dropped, and so are all
// when they count up (by one, or again from 1 for another disc). Any other
// leading number is part of the title ("99 Luftballons" third in a list).
QStringList WithoutTrackNumbers(const QStringList& titles);

// The track titles in several lines of text, as pasted or read from a plain
// list: one per non-empty line, trimmed, without track numbers as above.
QStringList TitlesFromLines(const QString& text);

// True when the text holds more than one line.
bool IsSeveralLines(const QString& text);
