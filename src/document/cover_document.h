// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A cover as a value: everything its renders and its printed page read. The
// windows and the cover state are its live form; cover_transfer.h moves it
// between the two, document_format.h to and from a file's JSON.

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

#include "cases/case_kind.h"
#include "cases/label_sheets.h"
#include "render/canvas.h"
#include "render/picture_frame.h"

// Where an insert's picture comes from: a file, a picture carried inside
// the document (pasted or dropped as pixels, with no file behind it), or
// none.
struct PictureEntry {
    PictureEntry() = default;
    PictureEntry(QString file, QByteArray carried = QByteArray())
        : path(std::move(file)), png(std::move(carried)) {}

    QString path;    // absolute; empty for none
    QByteArray png;  // the carried picture's PNG file; empty for none

    bool isSet() const { return !path.isEmpty() || !png.isEmpty(); }
};
bool operator==(const PictureEntry& a, const PictureEntry& b);

// What the font and picture commands chose for one insert.
struct InsertLook {
    QString typeface;  // empty: the default typeface
    QColor color = QColor(Qt::black);
    PictureEntry picture;
    PictureFrame frame;  // how the picture lies on the insert
};

enum class CoverLayout { Left, Centred };

struct OutlineSwitches {
    bool fold = true;
    bool back = true;
    bool front = true;
    QColor color = QColor(Qt::black);
};

// Drawing state a surface keeps from one command to the next that the rest
// of the cover does not settle. The brush decides whether texts are drawn
// on a white box; the picture command and the outline switches set it by
// what went before, so covers that look alike otherwise may differ in it.
struct SurfaceBrushes {
    BrushStyle current = BrushStyle::Solid;
    BrushStyle saved = BrushStyle::Solid;  // the style the switches put back
};

struct SurfaceStyles {
    SurfaceBrushes back;
    SurfaceBrushes leftSpine;
    SurfaceBrushes rightSpine;
    SurfaceBrushes front;
    // The centred layout frames the back and the front in these; they are
    // the outline colour of the last time their outline was drawn.
    QColor backPen = QColor(Qt::black);
    QColor frontPen = QColor(Qt::black);
};

struct CoverDocument {
    QStringList tracks;  // the editor's entries, exactly as they stand
    QString artist;      // the editor's fields
    QString title;
    bool committed = false;
    CoverLayout layout = CoverLayout::Left;
    InsertLook back;
    InsertLook front;
    OutlineSwitches outlines;
    bool noFrontText = false;
    bool turnSpinesOtherWay = false;
    SurfaceStyles surfaces;
    CaseChoice caseChoice;  // the kind of cover: a jewel case unless told
    const LabelSheet* labelSheet = nullptr;  // a disc label's sheet; none: plain paper
};

bool operator==(const InsertLook& a, const InsertLook& b);
bool operator==(const OutlineSwitches& a, const OutlineSwitches& b);
bool operator==(const SurfaceBrushes& a, const SurfaceBrushes& b);
bool operator==(const SurfaceStyles& a, const SurfaceStyles& b);
bool operator==(const CoverDocument& a, const CoverDocument& b);
inline bool operator!=(const CoverDocument& a, const CoverDocument& b) {
    return !(a == b);
}

// The styles the commands leave on a cover with these pictures and outline
// switches when nothing unusual happened in between: every surface clear
// once a picture was chosen, solid otherwise, and the frames in the outline
// colour (black where that outline is off).
SurfaceStyles UsualSurfaceStyles(const CoverDocument& cover);

// The files of the cover's pictures that are not there.
QStringList MissingPictures(const CoverDocument& cover);
