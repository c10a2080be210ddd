// SPDX-License-Identifier: GPL-3.0-or-later
// "Continue": carries the editor's texts onto the cover, lays it out flush
// left and closes the editor. Also the main window's left-mode re-render.

#include <QLineEdit>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "pictures/picture_repaint.h"
#include "render/canvas.h"
#include "render/cover_layout.h"
#include "render/outlines.h"
#include "tracks/text_field.h"
#include "tracks/track_editor.h"

namespace {
const QString CommitTypeface = QStringLiteral("arial");

// ": " only between an artist and a title that are both given.
QString separatorFor(const QString& artist, const QString& title) {
    return artist.isEmpty() || title.isEmpty() ? QString() : SeparatorText;
}
}  // namespace

void TForm2::Button1Click() {
    // Set first, so it holds even if a later step fails.
    CoverCommitted = true;

    Canvas& back = Form1->Image1;
    Canvas& front = Form1->Image4;
    back.font.name = CommitTypeface;
    back.font.size = BackStartSize;
    front.font.name = CommitTypeface;
    front.font.size = FrontStartSize;
    ArtistName = FieldText(*Edit3);
    AlbumTitle = FieldText(*Edit2);

    // Every surface starts white, whatever its brush; the pictures come back
    // in the next step.
    for (Canvas* surface : {&back, &Form1->Image2, &Form1->Image3, &front}) surface->clear();
    RepaintPictures(BothPictureHalves);
    ApplyChosenFont(back, BackFontName, BackFontColor);
    ApplyChosenFont(front, FrontFontName, FrontFontColor);

    TitleSeparator = separatorFor(ArtistName, AlbumTitle);

    DrawFrontTexts(front, LayoutMode::Left);
    DrawSpineTexts(Form1->Image2, Form1->Image3, LayoutMode::Left);
    if (TrackCount > 0) FitBackFont(back);
    if (HasFrontPicture && !HasBackPicture) back.brushStyle = SavedBackBrushStyle;
    if (TrackCount > 0) DrawTrackLines(back, LayoutMode::Left);
    DrawOutlines(AllOutlineGroups);

    // Ends the editor's modal display; a hidden editor stays as it is.
    if (isVisible()) close();
}
