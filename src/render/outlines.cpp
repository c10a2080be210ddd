// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/outlines.h"

#include <QCheckBox>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "render/canvas.h"

namespace {

void line(Canvas& surface, int fromX, int fromY, int toX, int toY) {
    surface.moveTo(fromX, fromY);
    surface.lineTo(toX, toY);
}

void drawFoldLines(Canvas& leftSpine, Canvas& rightSpine) {
    leftSpine.pen.color = OutlineColor;
    rightSpine.pen.color = OutlineColor;
    line(leftSpine, leftSpine.width() - 1, 0, leftSpine.width() - 1, leftSpine.height());
    line(rightSpine, 0, 0, 0, rightSpine.height());
}

// The outer edge of the tray card, spines included; the back's own first and
// last columns lie under the spines and are left alone.
void drawBackOutline(Canvas& leftSpine, Canvas& back, Canvas& rightSpine) {
    for (Canvas* surface : {&leftSpine, &back, &rightSpine}) surface->pen.color = OutlineColor;
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

void drawFrontOutline(Canvas& front) {
    front.pen.color = OutlineColor;
    const int right = front.width() - 1;
    const int bottom = front.height() - 1;
    front.moveTo(0, 0);
    front.lineTo(right, 0);
    front.lineTo(right, bottom);
    front.lineTo(0, bottom);
    front.lineTo(0, 0);
}

}  // namespace

void DrawOutlines(OutlineGroups groups) {
    if (groups.testFlag(OutlineGroup::FoldLines) && Form1->CheckBox1->isChecked())
        drawFoldLines(Form1->Image2, Form1->Image3);
    if (groups.testFlag(OutlineGroup::BackOutline) && Form1->CheckBox2->isChecked())
        drawBackOutline(Form1->Image2, Form1->Image1, Form1->Image3);
    if (groups.testFlag(OutlineGroup::FrontOutline) && Form1->CheckBox3->isChecked())
        drawFrontOutline(Form1->Image4);
}
