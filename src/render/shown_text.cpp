// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/shown_text.h"

QString ShownText(const QString& text) {
    if (text.size() <= MaxShownCharacters) return text;
    qsizetype end = MaxShownCharacters;
    if (text.at(end - 1).isHighSurrogate()) --end;
    return text.left(end);
}
