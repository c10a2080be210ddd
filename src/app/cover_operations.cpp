// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cover_operations.h"

#include <algorithm>

#include "app/cover_state.h"
#include "app/current_cover.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "render/jewel_screen.h"
#include "tracks/text_field.h"
#include "tracks/track_editor.h"

namespace {

// The layout's results live in the cover state, where the window's
// commands and the tests read them.
JewelScreenFit keptFit() {
    JewelScreenFit fit;
    std::copy(TrackWidths.begin(), TrackWidths.end(), fit.trackWidths.begin());
    fit.trackBlockHeight = TrackBlockHeight;
    fit.widestTrackWidth = WidestTrackWidth;
    fit.trackLineHeight = TrackLineHeight;
    fit.frontLineHeight = FrontLineHeight;
    return fit;
}

void keep(const JewelScreenFit& fit) {
    std::copy(fit.trackWidths.begin(), fit.trackWidths.end(), TrackWidths.begin());
    TrackBlockHeight = fit.trackBlockHeight;
    WidestTrackWidth = fit.widestTrackWidth;
    TrackLineHeight = fit.trackLineHeight;
    FrontLineHeight = fit.frontLineHeight;
}

// ": " only between an artist and a title that are both given.
QString separatorFor(const QString& artist, const QString& title) {
    return artist.isEmpty() || title.isEmpty() ? QString() : SeparatorText;
}

// Draws the cover as it stands; `flushLeft` lays it out flush left whatever
// the current mode, as "Continue" does.
void render(bool flushLeft) {
    ReloadPictures(BothPictureHalves, BackPictureCover(), FrontPictureCover());
    CoverValue cover = CurrentCover();
    if (flushLeft) cover.centred = false;
    JewelSurfaces surfaces = WindowSurfaces();
    JewelScreenFit fit = keptFit();
    DrawJewelScreen(cover, surfaces, fit);
    keep(fit);
}

}  // namespace

QSize BackPictureCover() {
    return Form1->Image5.displayImage().size();
}

QSize FrontPictureCover() {
    return Form1->Image4.displayImage().size();
}

void RenderCover() {
    render(false);
}

void CommitEditor() {
    // Set first, so it holds even if a later step fails.
    CoverCommitted = true;
    ArtistName = FieldText(*Form2->Edit3);
    AlbumTitle = FieldText(*Form2->Edit2);
    TitleSeparator = separatorFor(ArtistName, AlbumTitle);
    render(true);
    // Ends the editor's modal display; a hidden editor stays as it is.
    if (Form2->isVisible()) Form2->close();
}

void RefreshCover() {
    if (CenteredLayout || !CoverCommitted)
        RenderCover();
    else
        CommitEditor();
}

CoverValue CoverToPrint() {
    PrintArtistName = FieldText(*Form2->Edit3);
    PrintAlbumTitle = FieldText(*Form2->Edit2);
    return CurrentCover(CoverUse::Print);
}

void RepaintPictures(PictureHalves halves) {
    ReloadPictures(halves, BackPictureCover(), FrontPictureCover());
    DrawHeldPictures(halves);
}

void DrawHeldPictures(PictureHalves halves) {
    JewelSurfaces surfaces = WindowSurfaces();
    DrawJewelPictures(CurrentLook(), surfaces, halves);
}

void DrawWindowOutlines(OutlineGroups groups) {
    JewelSurfaces surfaces = WindowSurfaces();
    DrawOutlines(CurrentLook().guides, surfaces, groups);
}
