// SPDX-License-Identifier: GPL-3.0-or-later
// The front insert: the artist line and, below it, the title, both centred.

#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/shown_text.h"

void DrawFrontTexts(const TextTarget& front, const CaseTexts& texts, LayoutMode mode,
                    const TextRules& rules, JewelScreenFit& fit) {
    if (texts.noFrontText) return;
    Canvas& canvas = front.canvas;
    canvas.font.size = rules.frontStartSize;

    // Joined from the parts that can be seen, not copied whole at each size.
    const QString artist = ShownText(texts.artist);
    const QString title = ShownText(texts.title);
    const QString artistMeasured = artist + SeparatorText;
    ShrinkToFit(canvas, [&] { return canvas.textWidth(artistMeasured) < rules.frontWidthLimit; });
    ShrinkToFit(canvas, [&] { return canvas.textWidth(title) < rules.frontWidthLimit; });
    fit.frontLineHeight = canvas.textHeight(title);

    const bool centredOnColon = rules.frontCentredOnColonAlways || mode == LayoutMode::Centred;
    const QString centringText = centredOnColon ? artistMeasured : artist + texts.separator;
    const int middle = front.box.left() + front.box.width() / 2;
    const int top = front.box.top();
    canvas.textOut(middle - canvas.textWidth(centringText) / 2, top + rules.artistTop,
                   artist + texts.separator);
    canvas.textOut(middle - canvas.textWidth(title) / 2,
                   top + fit.frontLineHeight + rules.titleGap, title);
}
