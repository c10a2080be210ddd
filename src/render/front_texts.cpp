// SPDX-License-Identifier: GPL-3.0-or-later
// The front insert: the artist line and, below it, the title, both centred.

#include <QCheckBox>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/shown_text.h"

namespace {
constexpr int FrontWidthMargin = 10;
constexpr int ArtistLineTop = 135;
constexpr int TitleGap = 140;  // the title's top is the line height plus this
}  // namespace

void DrawFrontTexts(Canvas& front, LayoutMode mode) {
    if (Form1->CheckBox4->isChecked()) return;

    if (HasBackPicture && !HasFrontPicture) front.brushStyle = SavedFrontBrushStyle;
    if (mode == LayoutMode::Centred) front.font.size = FrontStartSize;

    // Joined from the parts that can be seen, not copied whole at each size.
    const QString artist = ShownText(ArtistName);
    const QString title = ShownText(AlbumTitle);
    const QString artistMeasured = artist + SeparatorText;
    const int limit = front.width() - FrontWidthMargin;
    while (front.textWidth(artistMeasured) >= limit && CanShrink(front)) --front.font.size;
    while (front.textWidth(title) >= limit && CanShrink(front)) --front.font.size;
    FrontLineHeight = front.textHeight(title);

    // The centred mode centres the artist as if ": " always followed it.
    const QString centringText =
        mode == LayoutMode::Centred ? artistMeasured : artist + TitleSeparator;
    const int half = front.width() / 2;
    front.textOut(half - front.textWidth(centringText) / 2, ArtistLineTop,
                  artist + TitleSeparator);
    front.textOut(half - front.textWidth(title) / 2, FrontLineHeight + TitleGap, title);
}
