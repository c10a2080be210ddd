// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/outlines.h"

#include "render/canvas.h"
#include "render/jewel_surfaces.h"

namespace {

void line(Canvas& surface, int fromX, int fromY, int toX, int toY) {
    surface.moveTo(fromX, fromY);
    surface.lineTo(toX, toY);
}

void drawFoldLines(Canvas& leftSpine, Canvas& rightSpine, const QColor& colour) {
    leftSpine.pen.color = colour;
    rightSpine.pen.color = colour;
    line(leftSpine, leftSpine.width() - 1, 0, leftSpine.width() - 1, leftSpine.height());
    line(rightSpine, 0, 0, 0, rightSpine.height());
}

// The outer edge of the tray card, spines included; the back's own first and
// last columns lie under the spines and are left alone.
void drawBackOutline(Canvas& leftSpine, Canvas& back, Canvas& rightSpine, const QColor& colour) {
    for (Canvas* surface : {&leftSpine, &back, &rightSpine}) surface->pen.color = colour;
    const int bottom = back.height() - 1;
    const int spineEdge = rightSpine.width() - 1;
    line(leftSpine, 0, 0, leftSpine.width(), 0);
    line(back, 0, 0, back.width(), 0);
    rightSpine.moveTo(0, 0);
    rightSpine.lineTo(spineEdge, 0);
    rightSpine.lineTo(spineEdge, bottom);
    rightSpine.lineTo(0, bottom);
    line(back, back.width() - 1, bottom, 0, bottom);
    leftSpine.moveTo(leftSpine.width() - 1, bottom);
    leftSpine.lineTo(0, bottom);
    leftSpine.lineTo(0, 0);
}

void drawFrontOutline(Canvas& front, const QColor& colour) {
    front.pen.color = colour;
    const int right = front.width() - 1;
    const int bottom = front.height() - 1;
    front.moveTo(0, 0);
    front.lineTo(right, 0);
    front.lineTo(right, bottom);
    front.lineTo(0, bottom);
    front.lineTo(0, 0);
}

}  // namespace

void DrawOutlines(const GuideSwitches& guides, JewelSurfaces& surfaces, OutlineGroups groups) {
    if (groups.testFlag(OutlineGroup::FoldLines) && guides.folds)
        drawFoldLines(surfaces.leftSpine, surfaces.rightSpine, guides.colour);
    if (groups.testFlag(OutlineGroup::BackOutline) && guides.back)
        drawBackOutline(surfaces.leftSpine, surfaces.back, surfaces.rightSpine, guides.colour);
    if (groups.testFlag(OutlineGroup::FrontOutline) && guides.front)
        drawFrontOutline(surfaces.front, guides.colour);
}
