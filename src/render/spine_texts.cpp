// SPDX-License-Identifier: GPL-3.0-or-later
// The artist and title along both spines: the left reads upward with the
// letters' tops toward its outer edge, the right reads downward.

#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/shown_text.h"

namespace {
constexpr int SpineLengthMargin = 5;
constexpr int LeftSpineX = 1;
constexpr int RightSpineX = 21;
constexpr int ReadingUpward = 900;  // tenths of a degree
constexpr int ReadingDownward = -900;
}  // namespace

void DrawSpineTexts(Canvas& leftSpine, Canvas& rightSpine, const CoverValue& cover,
                    LayoutMode mode) {
    leftSpine.font.name = QString::fromLatin1(SpineTypeface);
    leftSpine.font.size = SpineStartSize;
    rightSpine.font.size = SpineStartSize;

    const QString artist = ShownText(cover.artist);
    const QString title = ShownText(cover.title);
    const QString measured = artist + SeparatorText + title;
    // Both spines take the size the left one fits at.
    ShrinkToFit(leftSpine, [&] { return leftSpine.textHeight(measured) < leftSpine.width(); });
    int length = 0;
    ShrinkToFit(leftSpine, [&] {
        length = leftSpine.textWidth(measured);
        return length < leftSpine.height() - SpineLengthMargin;
    });
    rightSpine.font.size = leftSpine.font.size;

    // The left mode draws the committed separator but centres as if ": "
    // were there.
    const QString drawn =
        mode == LayoutMode::Centred ? measured : artist + cover.separator + title;

    leftSpine.font.color = cover.back.colour;
    leftSpine.font.escapement = ReadingUpward;
    leftSpine.textOut(LeftSpineX, leftSpine.height() / 2 + length / 2, drawn);

    rightSpine.font.color = cover.back.colour;
    rightSpine.font.name = QString::fromLatin1(SpineTypeface);
    rightSpine.font.escapement = ReadingDownward;
    rightSpine.textOut(RightSpineX, rightSpine.height() / 2 - length / 2, drawn);
}
