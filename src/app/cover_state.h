// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cover being edited: program-wide variables that every handler reads
// and writes directly. The track list itself lives in the track editor's
// ListBox1, the switches in the main window's check boxes.

#include <array>

#include <QColor>
#include <QImage>
#include <QString>

#include "cases/case_kind.h"
#include "pictures/picture_bitmap.h"
#include "render/canvas.h"
#include "render/cover_value.h"

extern int TrackCount;
extern QString ArtistName;
extern QString AlbumTitle;
extern QString TitleSeparator;
extern QString BackFontName;
extern QString FrontFontName;
extern QColor BackFontColor;
extern QColor FrontFontColor;
extern QColor OutlineColor;
extern bool CenteredLayout;
extern bool CoverCommitted;
extern bool HasBackPicture;
extern bool HasFrontPicture;
extern QString BackPicturePath;
extern QString FrontPicturePath;
// How each picture lies on its insert: stretched unless framed.
extern PictureFrame BackPictureFrame;
extern PictureFrame FrontPictureFrame;
extern PictureBitmap BackPicture;  // null when the file was missing
extern PictureBitmap FrontPicture;
extern BrushStyle SavedBackBrushStyle;
extern BrushStyle SavedFrontBrushStyle;
extern BrushStyle SavedLeftSpineBrushStyle;
extern BrushStyle SavedRightSpineBrushStyle;
extern std::array<int, MaxTracks> TrackWidths;
extern int TrackBlockHeight;
extern int WidestTrackWidth;
extern int TrackLineHeight;
extern int FrontLineHeight;
extern QString PrintArtistName;
extern QString PrintAlbumTitle;
// The kind of cover; every variable above serves each kind alike.
extern CaseChoice CoverCase;

// Puts every variable above back to its start value.
void ResetCoverState();
