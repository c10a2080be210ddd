// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/case_content.h"

#include <QCheckBox>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "pictures/printed_picture.h"
#include "render/cover_layout.h"

namespace {

PictureBitmap screenPicture(InsertSide side, QSize) {
    if (side == InsertSide::Back) return HasBackPicture ? BackPicture : PictureBitmap();
    return HasFrontPicture ? FrontPicture : PictureBitmap();
}

PictureBitmap printedPicture(InsertSide side, QSize devicePixels) {
    if (side == InsertSide::Back)
        return HasBackPicture ? PictureForPrinting(BackPicturePath, BackPicture, devicePixels)
                              : PictureBitmap();
    return HasFrontPicture ? PictureForPrinting(FrontPicturePath, FrontPicture, devicePixels)
                           : PictureBitmap();
}

}  // namespace

CaseContent LiveCaseContent(CaseUse use) {
    const TForm1& window = *Form1;
    CaseContent content;
    CaseTexts& texts = content.texts;
    for (int i = 0; i < TrackCount; ++i) texts.tracks << TrackLine(i);
    const bool printing = use == CaseUse::Print;
    texts.artist = printing ? PrintArtistName : ArtistName;
    texts.title = printing ? PrintAlbumTitle : AlbumTitle;
    texts.separator = TitleSeparator;
    texts.backTypeface = BackFontName;
    texts.backColour = BackFontColor;
    texts.frontTypeface = FrontFontName;
    texts.frontColour = FrontFontColor;
    texts.centred = CenteredLayout;
    texts.noFrontText = window.CheckBox4->isChecked();
    texts.spinesTurned = window.CheckBox5->isChecked();
    texts.trackList = CoverCase.discTrackList;
    content.laidOut = CoverCommitted;
    // The kinds have one cut outline: the "Back" switch shows it.
    content.guides = {window.CheckBox1->isChecked(), window.CheckBox2->isChecked(), OutlineColor};
    content.picture = printing ? printedPicture : screenPicture;
    return content;
}

const CaseShape& LiveCaseShape() {
    return ShapeOf(CoverCase.kind, CoverCase.hole);
}
