// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kinds of cover beyond the jewel case, as data: each piece's outline,
// folds and circles in millimetres, and the boxes its texts and pictures
// fill. A further kind is one more row of the table in case_shapes.cpp.

#include <optional>
#include <vector>

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "cases/case_kind.h"

enum class TextRole { TrackList, FrontTexts, Spine };
// Which insert's font and picture a box takes: the back's (the track list
// and the spines) or the front's (artist and title).
enum class InsertSide { Back, Front };

struct TextBox {
    TextRole role;
    QRectF area;  // mm from the piece's top-left corner
};

struct PictureArea {
    InsertSide picture;
    QRectF area;  // mm; the picture is stretched over it
};

// A disc label: cut along the outer circle and around the hole; the
// picture fills the ring between them.
struct DiscRing {
    QPointF centre;
    double outerRadius;
    double holeRadius;
};

struct CaseShape {
    CaseKind kind;
    QSizeF size;                  // mm: the piece's outline, or the disc's square
    std::vector<double> folds;    // mm from the left: vertical fold lines
    std::optional<DiscRing> ring; // a disc label instead of a rectangle
    std::vector<TextBox> texts;
    std::vector<PictureArea> pictures;
    // The main window's tabs, untranslated: the back insert's page and the
    // front insert's. Their access letters are free of the window's others.
    const char* backTab;
    const char* frontTab;
};

// The shape of a kind other than the jewel case (whose surfaces the main
// window draws); the hole matters only for a disc label.
const CaseShape& ShapeOf(CaseKind kind, DiscHole hole = DiscHole::Standard);
inline const CaseShape& ShapeOf(const CaseChoice& choice) {
    return ShapeOf(choice.kind, choice.hole);
}
