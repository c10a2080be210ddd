// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/case_shapes.h"

#include <QCoreApplication>

namespace {

// Margins keep texts clear of the cut and of the folds; a disc's boxes lie
// inside the ring with their corners at least 1.5 mm from either circle.
const CaseShape Shapes[] = {
    // The tray card with a spine at each side, and below it the front
    // insert, each cut on its own; the page puts them 20 mm in and 10 mm down.
    // Their texts follow the inserts' own rules; the boxes are the tray card
    // between the folds, the spines, and the front.
    {CaseKind::Jewel, {150, 240},
     {{{0, 0, 150, 117.5}, {6, 144}, InsertSide::Back}, {{0, 120, 121, 120}, {}, InsertSide::Front}},
     std::nullopt,
     {{TextRole::TrackList, {6, 0, 138, 117.5}},
      {TextRole::Spine, {0, 0, 6, 117.5}},
      {TextRole::Spine, {144, 0, 6, 117.5}},
      {TextRole::FrontTexts, {0, 120, 121, 120}}},
     {{InsertSide::Back, {0, 0, 150, 117.5}}, {InsertSide::Front, {0, 120, 121, 120}}},
     QT_TRANSLATE_NOOP("Cases", "&Back"), QT_TRANSLATE_NOOP("Cases", "Fron&t"), QPointF(20, 10),
     &JewelTextRules, true},
    // One card folded in the middle: the inside (left) shows the tracks,
    // the outside (right) is the front.
    {CaseKind::Slim, {240, 120}, {{{0, 0, 240, 120}, {120}}}, std::nullopt,
     {{TextRole::TrackList, {6, 6, 108, 108}}, {TextRole::FrontTexts, {126, 6, 108, 108}}},
     {{InsertSide::Back, {0, 0, 120, 120}}, {InsertSide::Front, {120, 0, 120, 120}}},
     QT_TRANSLATE_NOOP("Cases", "Insi&de"), QT_TRANSLATE_NOOP("Cases", "Fron&t")},
    // The wrap as it lies flat: back panel, spine, front panel. The spine
    // shows the back's picture, as the jewel case's spines do.
    {CaseKind::Dvd, {273, 183}, {{{0, 0, 273, 183}, {129.5, 143.5}}}, std::nullopt,
     {{TextRole::TrackList, {8, 8, 113.5, 167}},
      {TextRole::Spine, {129.5, 4, 14, 175}},
      {TextRole::FrontTexts, {151.5, 8, 113.5, 167}}},
     {{InsertSide::Back, {0, 0, 143.5, 183}}, {InsertSide::Front, {143.5, 0, 129.5, 183}}},
     QT_TRANSLATE_NOOP("Cases", "&Back"), QT_TRANSLATE_NOOP("Cases", "Fron&t")},
};

// Disc labels, one row per hole: artist and title above the hole, the
// track list below it.
const CaseShape DiscShapes[] = {
    {CaseKind::Disc, {117, 117}, {{{0, 0, 117, 117}, {}}}, DiscRing{{58.5, 58.5}, 58.5, 20.5},
     {{TextRole::FrontTexts, {26, 12, 65, 23}}, {TextRole::TrackList, {30.5, 82, 56, 26}}},
     {{InsertSide::Front, {0, 0, 117, 117}}},
     QT_TRANSLATE_NOOP("Cases", "&Track list"), QT_TRANSLATE_NOOP("Cases", "La&bel")},
    {CaseKind::Disc, {117, 117}, {{{0, 0, 117, 117}, {}}}, DiscRing{{58.5, 58.5}, 58.5, 8.5},
     {{TextRole::FrontTexts, {26, 12, 65, 35}}, {TextRole::TrackList, {30.5, 70, 56, 38}}},
     {{InsertSide::Front, {0, 0, 117, 117}}},
     QT_TRANSLATE_NOOP("Cases", "&Track list"), QT_TRANSLATE_NOOP("Cases", "La&bel")},
};

}  // namespace

const CaseShape& ShapeOf(CaseKind kind, DiscHole hole) {
    if (kind == CaseKind::Disc) return DiscShapes[hole == DiscHole::Standard ? 0 : 1];
    for (const CaseShape& shape : Shapes)
        if (shape.kind == kind) return shape;
    return Shapes[0];  // every kind has a row
}
