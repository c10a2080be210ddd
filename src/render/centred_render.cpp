// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/centred_render.h"

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "pictures/picture_repaint.h"
#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/outlines.h"

namespace {
// A frame over the whole surface in its pen, filled with its brush.
void frame(Canvas& surface) {
    surface.rectangle(0, 0, surface.width(), surface.height());
}
}  // namespace

void RenderCentredCover() {
    Canvas& back = Form1->Image1;
    Canvas& front = Form1->Image4;

    // Every surface starts white, whatever its brush, so nothing of an
    // earlier render stays; the pictures come back in the next step.
    for (Canvas* surface : {&back, &Form1->Image2, &Form1->Image3, &front}) surface->clear();
    back.pen.width = 1;
    frame(back);
    frame(front);

    RepaintPictures(BothPictureHalves);
    CenteredLayout = true;

    back.font.size = BackStartSize;
    ApplyChosenFont(back, BackFontName, BackFontColor);
    ApplyChosenFont(front, FrontFontName, FrontFontColor);

    if (TrackCount > 0) FitBackFont(back);

    back.pen.width = 1;
    if (!HasBackPicture) frame(back);
    if (HasFrontPicture && !HasBackPicture) back.brushStyle = SavedBackBrushStyle;

    if (TrackCount > 0) DrawTrackLines(back, LayoutMode::Centred);
    DrawFrontTexts(front, LayoutMode::Centred);
    DrawSpineTexts(Form1->Image2, Form1->Image3, LayoutMode::Centred);
    DrawOutlines(AllOutlineGroups);
}
