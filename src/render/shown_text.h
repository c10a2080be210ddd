// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The most characters of one text that the layout measures and draws. At
// the smallest font size a character is a pixel or more wide on screen and
// several page units on paper, so no insert shows this many side by side:
// the rest lies beyond its edge. Measuring and shaping cost grows with the
// text, so a text of megabytes would otherwise take minutes to lay out. The
// stored text stays whole; only the layout looks no further.
inline constexpr qsizetype MaxShownCharacters = 1024;

// The text whole up to `count` characters, else its beginning, never ending
// inside a surrogate pair.
QString TextBeginning(const QString& text, qsizetype count);

// The text as the layout measures and draws it.
inline QString ShownText(const QString& text) {
    return TextBeginning(text, MaxShownCharacters);
}
