// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/current_cover.h"

#include <QCheckBox>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "tracks/track_editor.h"

CoverValue CurrentCover(CoverUse use) {
    CoverValue cover = CurrentLook(use);
    for (int i = 0; i < TrackCount; ++i) cover.tracks << Form2->trackEntry(i);
    return cover;
}

CoverValue CurrentLook(CoverUse use) {
    const TForm1& window = *Form1;
    CoverValue cover;
    cover.kind = CoverCase;
    cover.sheet = ChosenLabelSheet();
    const bool printing = use == CoverUse::Print;
    cover.artist = printing ? PrintArtistName : ArtistName;
    cover.title = printing ? PrintAlbumTitle : AlbumTitle;
    cover.separator = TitleSeparator;
    cover.back = {BackFontName, BackFontColor};
    cover.front = {FrontFontName, FrontFontColor};
    cover.committed = CoverCommitted;
    cover.centred = CenteredLayout;
    cover.noFrontText = window.CheckBox4->isChecked();
    cover.spinesTurned = window.CheckBox5->isChecked();
    cover.backPicture = {HasBackPicture, BackPicturePath, BackPicture, BackPictureCover(),
                         BackPictureFrame};
    cover.frontPicture = {HasFrontPicture, FrontPicturePath, FrontPicture, FrontPictureCover(),
                          FrontPictureFrame};
    cover.guides = {window.CheckBox1->isChecked(), window.CheckBox2->isChecked(),
                    window.CheckBox3->isChecked(), OutlineColor};
    cover.savedBrushes = {SavedBackBrushStyle, SavedLeftSpineBrushStyle, SavedRightSpineBrushStyle,
                          SavedFrontBrushStyle};
    cover.surfaces = DrawingStatesOf(WindowSurfaces());
    return cover;
}

JewelSurfaces WindowSurfaces() {
    TForm1& window = *Form1;
    return {window.Image1, window.Image2, window.Image3, window.Image4, window.Image5};
}
