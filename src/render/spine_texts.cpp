// SPDX-License-Identifier: GPL-3.0-or-later
// The artist and title along both spines: the left reads upward with the
// letters' tops toward its outer edge, the right reads downward.

#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/shown_text.h"

void DrawSpineTexts(const TextTarget& leftSpine, const TextTarget& rightSpine,
                    const CaseTexts& texts, LayoutMode mode, const TextRules& rules) {
    Canvas& left = leftSpine.canvas;
    Canvas& right = rightSpine.canvas;
    left.font.name = QString::fromLatin1(SpineTypeface);
    left.font.size = rules.spineStartSize;
    right.font.size = rules.spineStartSize;

    const QString artist = ShownText(texts.artist);
    const QString title = ShownText(texts.title);
    const QString measured = artist + SeparatorText + title;
    // Both spines take the size the left one fits at; the line's height
    // across the spine is the one that first fitted.
    int height = 0;
    ShrinkToFit(left, [&] {
        height = left.textHeight(measured);
        return height < rules.spineHeightLimit;
    });
    int length = 0;
    ShrinkToFit(left, [&] {
        length = left.textWidth(measured);
        return length < rules.spineLengthLimit;
    });
    right.font.size = left.font.size;

    // Drawn with the committed separator, centred as if ": " were there.
    const bool colon = rules.spineShowsColonWhenCentred && mode == LayoutMode::Centred;
    const QString drawn = colon ? measured : artist + texts.separator + title;
    // Printers that turn text the other way ask for the turns exchanged.
    const bool exchanged = rules.spinesMayTurn && texts.spinesTurned;

    left.font.color = texts.backColour;
    left.font.escapement = exchanged ? ReadingDownward : ReadingUpward;
    left.textOut(leftSpine.box.left() + rules.leftSpineX,
                 leftSpine.box.top() + rules.spineMiddle + length / 2, drawn);

    right.font.color = texts.backColour;
    right.font.name = QString::fromLatin1(SpineTypeface);
    right.font.escapement = exchanged ? ReadingUpward : ReadingDownward;
    const int rightX = rules.rightSpineX + (rules.rightSpineAfterLineHeight ? height : 0);
    right.textOut(rightSpine.box.left() + rightX,
                  rightSpine.box.top() + rules.spineMiddle - length / 2, drawn);
}
