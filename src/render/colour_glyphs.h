// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

class QPainter;

// Draws `text` with the painter's font and pen as QPainter::drawText(at,
// text) does, `at` on the baseline. A PDF carries no glyphs of colour bitmap
// fonts (emoji): on a device that is not a bitmap, those glyphs are drawn as
// pictures at the device's resolution instead, each where the glyph stands.
void DrawTextKeepingColourGlyphs(QPainter& painter, QPoint at, const QString& text);
