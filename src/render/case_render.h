// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lays out and draws a kind of cover from its shape: the same code on the
// screen, the printed page, the PDF and PNG exports.

#include <functional>

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include "cases/case_shapes.h"
#include "pictures/picture_bitmap.h"
#include "render/case_texts.h"
#include "render/picture_frame.h"
#include "render/cover_layout.h"

class Canvas;
class QPainter;

// The outline switches: the folds, and the cuts of the pieces that follow
// "Back" and of those that follow "Front".
struct CaseGuides {
    bool folds = true;
    bool backCut = true;
    bool frontCut = true;
    QColor colour = QColor(Qt::black);
};

struct CaseContent {
    CaseTexts texts;
    bool laidOut = false;  // texts are drawn once the tracks were committed
    CaseGuides guides;
    // The picture of an insert for `devicePixels` of the device it is drawn
    // on; a null bitmap for none.
    std::function<PictureBitmap(InsertSide, QSize devicePixels)> picture;
    PictureFrame backFrame;  // how each insert's picture lies in its areas
    PictureFrame frontFrame;
};

// A size in points fitted into a box: the largest that fits, from the start
// size down, never below the least.
inline constexpr int CaseTextStartSize = 50;
inline constexpr int CaseLeastTextSize = MinimumFontSize;
// A text's typeface where none was chosen.
inline constexpr const char* CaseTypeface = "arial";

// The canvas's font for a kind's text: the typeface chosen (the default for
// none), its colour, the size, upright.
void UseCaseFont(Canvas& canvas, const QString& typeface, const QColor& colour,
                 int size = CaseTextStartSize);

// The frame of an insert's picture.
inline const PictureFrame& FrameOf(const CaseContent& content, InsertSide side) {
    return side == InsertSide::Back ? content.backFrame : content.frontFrame;
}

// What the layout settles, for tests and the window: the fitted sizes of
// each role (0 where nothing was drawn).
struct CaseFit {
    int trackSize = 0;
    int frontSize = 0;
    int spineSize = 0;
};

// Draws the piece with its top-left corner at the painter's origin, in the
// painter's coordinates scaled to tenths of a millimetre; `devicePerUnit`
// is the device pixels per tenth of a millimetre. Pictures run `bleedMm`
// past the piece's outer edges (0: they stop at the cut).
CaseFit DrawCase(QPainter& painter, double devicePerUnit, const CaseShape& shape,
                 const CaseContent& content, double bleedMm = 0);

inline constexpr int CaseUnitsPerMm = 10;  // the layout's unit is 0.1 mm
inline constexpr double MillimetresPerInch = 25.4;
// A font's size in points becomes a height in the layout's units by this.
inline constexpr int CaseUnitsPerInch = 254;
