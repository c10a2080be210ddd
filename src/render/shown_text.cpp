// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/shown_text.h"

QString TextBeginning(const QString& text, qsizetype count) {
    if (text.size() <= count) return text;
    qsizetype end = count;
    if (end > 0 && text.at(end - 1).isHighSurrogate()) --end;
    return text.left(end);
}
