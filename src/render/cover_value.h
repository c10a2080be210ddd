// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything a cover is drawn from, as one plain value: the screen, the
// printed page and every export take it, and none of them reads a window.
// The windows build it (app/current_cover.h).

#include <array>

#include <QColor>
#include <QFlags>
#include <QSize>
#include <QString>
#include <QStringList>

#include "cases/case_kind.h"
#include "cases/label_sheets.h"
#include "pictures/picture_bitmap.h"
#include "render/canvas.h"
#include "render/picture_frame.h"

// The layout keeps one width per track, so a cover holds at most this many.
inline constexpr int MaxTracks = 41;

// Whose texts a value carries: the screen shows the committed artist and
// title; the printed page takes the editor's as printing began.
enum class CoverUse { Screen, Print };

// The inserts a picture lies on: the back (across both spines) and the front.
enum class PictureHalf { Back = 1, Front = 2 };
Q_DECLARE_FLAGS(PictureHalves, PictureHalf)
Q_DECLARE_OPERATORS_FOR_FLAGS(PictureHalves)

inline constexpr PictureHalves BothPictureHalves =
    PictureHalves(PictureHalf::Back) | PictureHalf::Front;

// A typeface (empty: the one the surface has, or the default) and colour.
struct TextLook {
    QString typeface;
    QColor colour = QColor(Qt::black);
};

// An insert's picture: whether one was chosen, its file (empty for one held
// in memory), the bitmap read for the screen and the device pixels it was
// read for.
struct CoverPicture {
    bool chosen = false;
    QString path;
    PictureBitmap shown;
    QSize shownFor;
    PictureFrame frame;  // how it lies on its insert
};

// The "Outlines" group: fold lines, the back's cut, the front's cut.
struct GuideSwitches {
    bool folds = true;
    bool back = true;
    bool front = true;
    QColor colour = QColor(Qt::black);
};

// What the screen surfaces carry from one render to the next: whether texts
// sit on white boxes, the frames' pens, the fonts the renders leave.
struct SurfaceDrawingState {
    CanvasFont font;
    CanvasPen pen;
    BrushStyle brush = BrushStyle::Solid;
};

struct JewelSurfaceStates {
    SurfaceDrawingState back, leftSpine, rightSpine, front, overlay;
};

// The brush style an outline switch, or the other insert's picture, puts
// back on each surface.
struct SavedBrushes {
    BrushStyle back = BrushStyle::Solid;
    BrushStyle leftSpine = BrushStyle::Solid;
    BrushStyle rightSpine = BrushStyle::Solid;
    BrushStyle front = BrushStyle::Solid;
};

struct CoverValue {
    CaseChoice kind;
    const LabelSheet* sheet = nullptr;  // a disc label's sheet; none: plain paper
    QStringList tracks;  // the editor's entries as they stand, numbers included
    QString artist;
    QString title;
    QString separator;  // between artist and title, as the commit chose it
    TextLook back;      // the track lines and both spines
    TextLook front;     // artist and title on the front
    bool committed = false;  // texts are drawn once the editor's were carried over
    bool centred = false;    // track lines centred ("Center"), else flush left
    bool noFrontText = false;
    bool spinesTurned = false;  // the printed spines read the other way
    CoverPicture backPicture;
    CoverPicture frontPicture;
    GuideSwitches guides;
    SavedBrushes savedBrushes;
    JewelSurfaceStates surfaces;
};
