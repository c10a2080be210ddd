// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cover_state.h"

int TrackCount;
QString ArtistName;
QString AlbumTitle;
QString TitleSeparator;
QString BackFontName;
QString FrontFontName;
QColor BackFontColor;
QColor FrontFontColor;
QColor OutlineColor;
bool CenteredLayout;
bool CoverCommitted;
bool HasBackPicture;
bool HasFrontPicture;
QString BackPicturePath;
QString FrontPicturePath;
PictureFrame BackPictureFrame;
PictureFrame FrontPictureFrame;
PictureBitmap BackPicture;
PictureBitmap FrontPicture;
BrushStyle SavedBackBrushStyle;
BrushStyle SavedFrontBrushStyle;
BrushStyle SavedLeftSpineBrushStyle;
BrushStyle SavedRightSpineBrushStyle;
std::array<int, MaxTracks> TrackWidths;
int TrackBlockHeight;
int WidestTrackWidth;
int TrackLineHeight;
int FrontLineHeight;
QString PrintArtistName;
QString PrintAlbumTitle;
CaseChoice CoverCase;

void ResetCoverState() {
    TrackCount = 0;
    ArtistName.clear();
    AlbumTitle.clear();
    TitleSeparator.clear();
    BackFontName.clear();
    FrontFontName.clear();
    BackFontColor = QColor(Qt::black);
    FrontFontColor = QColor(Qt::black);
    OutlineColor = QColor(Qt::black);
    CenteredLayout = false;
    CoverCommitted = false;
    HasBackPicture = false;
    HasFrontPicture = false;
    BackPicturePath.clear();
    FrontPicturePath.clear();
    BackPictureFrame = PictureFrame();
    FrontPictureFrame = PictureFrame();
    BackPicture = PictureBitmap();
    FrontPicture = PictureBitmap();
    SavedBackBrushStyle = BrushStyle::Solid;
    SavedFrontBrushStyle = BrushStyle::Solid;
    SavedLeftSpineBrushStyle = BrushStyle::Solid;
    SavedRightSpineBrushStyle = BrushStyle::Solid;
    TrackWidths.fill(0);
    TrackBlockHeight = 0;
    WidestTrackWidth = 0;
    TrackLineHeight = 0;
    FrontLineHeight = 0;
    PrintArtistName.clear();
    PrintAlbumTitle.clear();
    CoverCase = CaseChoice();
}

namespace {
// Globals start at their start values without anyone calling the reset.
const bool coverStateInitialised = (ResetCoverState(), true);
}  // namespace
