// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The track titles in several lines of text, as pasted or read from a plain
// list: one per non-empty line, trimmed. When the lines carry list numbers
// ("3. ", "03 ", "3) ", "3 - ") that count up (by one, or again from 1 for
// another disc), those numbers are dropped so that they do not double with
// the list's own; a single line only when its number is 1. A title that
// merely starts with digits ("99 Luftballons" among unnumbered lines) is
// kept whole.
QStringList TitlesFromLines(const QString& text);

// True when the text holds more than one line.
bool IsSeveralLines(const QString& text);
