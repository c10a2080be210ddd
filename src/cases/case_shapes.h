// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kinds of cover as data: each piece's outline, folds and circles in
// millimetres, and the boxes its texts and pictures fill. A further kind is
// one more row of the table in case_shapes.cpp.

#include <optional>
#include <vector>

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "cases/case_kind.h"
#include "cases/insert_text_rules.h"

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

// One piece cut from the paper: its outline, the folds across it, and the
// outline switch ("Back" or "Front") that shows its cut.
struct CasePiece {
    QRectF cut;                 // mm from the shape's top-left corner
    std::vector<double> folds;  // mm from the shape's left: vertical fold lines
    InsertSide guide = InsertSide::Back;
};

struct CaseShape {
    CaseKind kind;
    QSizeF size;                  // mm: around all pieces, or the disc's square
    std::vector<CasePiece> pieces;
    std::optional<DiscRing> ring; // a disc label instead of a rectangle
    std::vector<TextBox> texts;   // a kind with two spines lists the left first
    std::vector<PictureArea> pictures;
    // The main window's tabs, untranslated: the back insert's page and the
    // front insert's. Their access letters are free of the window's others.
    const char* backTab;
    const char* frontTab;
    // Where the shape lies on the page, in mm from the printable area's
    // corner; none: centred as room allows, at most 10 mm in.
    std::optional<QPointF> pageCorner = std::nullopt;
    // Texts placed by these rules rather than fitted into their boxes.
    const InsertTextRules* textRules = nullptr;
    // The guide lines drawn before the texts, the texts' ink over them.
    bool guidesUnderTexts = false;
};

// The shape of a kind; the hole matters only for a disc label.
const CaseShape& ShapeOf(CaseKind kind, DiscHole hole = DiscHole::Standard);
inline const CaseShape& ShapeOf(const CaseChoice& choice) {
    return ShapeOf(choice.kind, choice.hole);
}
