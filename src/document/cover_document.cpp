// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/cover_document.h"

#include <QFileInfo>

namespace {

// Colours compare by their RGB value: a colour read from "#rrggbb" and the
// one a dialog returned are the same colour.
bool sameColour(const QColor& a, const QColor& b) {
    return a.rgb() == b.rgb();
}

}  // namespace

bool operator==(const InsertLook& a, const InsertLook& b) {
    return a.typeface == b.typeface && sameColour(a.color, b.color) && a.picture == b.picture &&
           a.frame == b.frame;
}

bool operator==(const OutlineSwitches& a, const OutlineSwitches& b) {
    return a.fold == b.fold && a.back == b.back && a.front == b.front &&
           sameColour(a.color, b.color);
}

bool operator==(const SurfaceBrushes& a, const SurfaceBrushes& b) {
    return a.current == b.current && a.saved == b.saved;
}

bool operator==(const SurfaceStyles& a, const SurfaceStyles& b) {
    return a.back == b.back && a.leftSpine == b.leftSpine && a.rightSpine == b.rightSpine &&
           a.front == b.front && sameColour(a.backPen, b.backPen) &&
           sameColour(a.frontPen, b.frontPen);
}

bool operator==(const PictureEntry& a, const PictureEntry& b) {
    return a.path == b.path && a.png == b.png;
}

bool operator==(const CoverDocument& a, const CoverDocument& b) {
    return a.tracks == b.tracks && a.artist == b.artist && a.title == b.title &&
           a.committed == b.committed && a.layout == b.layout && a.back == b.back &&
           a.front == b.front && a.outlines == b.outlines && a.noFrontText == b.noFrontText &&
           a.turnSpinesOtherWay == b.turnSpinesOtherWay && a.surfaces == b.surfaces &&
           a.caseChoice == b.caseChoice && a.labelSheet == b.labelSheet;
}

SurfaceStyles UsualSurfaceStyles(const CoverDocument& cover) {
    SurfaceStyles styles;
    const bool picture = cover.back.picture.isSet() || cover.front.picture.isSet();
    const BrushStyle current = picture ? BrushStyle::Clear : BrushStyle::Solid;
    for (SurfaceBrushes* brushes :
         {&styles.back, &styles.leftSpine, &styles.rightSpine, &styles.front})
        brushes->current = current;
    if (cover.outlines.back) styles.backPen = cover.outlines.color;
    if (cover.outlines.front) styles.frontPen = cover.outlines.color;
    return styles;
}

QStringList MissingPictures(const CoverDocument& cover) {
    QStringList missing;
    for (const InsertLook* insert : {&cover.back, &cover.front})
        // A folder of the picture's name is no picture either.
        if (!insert->picture.path.isEmpty() && !QFileInfo(insert->picture.path).isFile())
            missing << insert->picture.path;
    return missing;
}
