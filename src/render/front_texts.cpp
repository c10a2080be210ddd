// SPDX-License-Identifier: GPL-3.0-or-later
// The front insert: the artist line and, below it, the title, both centred.

#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/shown_text.h"

namespace {
constexpr int FrontWidthMargin = 10;
constexpr int ArtistLineTop = 135;
constexpr int TitleGap = 140;  // the title's top is the line height plus this
}  // namespace

void DrawFrontTexts(Canvas& front, const CoverValue& cover, LayoutMode mode, JewelScreenFit& fit) {
    if (cover.noFrontText) return;

    if (cover.backPicture.chosen && !cover.frontPicture.chosen)
        front.brushStyle = cover.savedBrushes.front;
    if (mode == LayoutMode::Centred) front.font.size = FrontStartSize;

    // Joined from the parts that can be seen, not copied whole at each size.
    const QString artist = ShownText(cover.artist);
    const QString title = ShownText(cover.title);
    const QString artistMeasured = artist + SeparatorText;
    const int limit = front.width() - FrontWidthMargin;
    ShrinkToFit(front, [&] { return front.textWidth(artistMeasured) < limit; });
    ShrinkToFit(front, [&] { return front.textWidth(title) < limit; });
    fit.frontLineHeight = front.textHeight(title);

    // The centred mode centres the artist as if ": " always followed it.
    const QString centringText =
        mode == LayoutMode::Centred ? artistMeasured : artist + cover.separator;
    const int half = front.width() / 2;
    front.textOut(half - front.textWidth(centringText) / 2, ArtistLineTop,
                  artist + cover.separator);
    front.textOut(half - front.textWidth(title) / 2, fit.frontLineHeight + TitleGap, title);
}
