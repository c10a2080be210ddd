// SPDX-License-Identifier: GPL-3.0-or-later
// The "Outlines" group: one switch per group of guide lines, and their colour.

#include <QCheckBox>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/main_window.h"

namespace {
void refreshIfCommitted() {
    if (CoverCommitted) RefreshCover();
}
}  // namespace

void TForm1::CheckBox1Click() {
    Image2.brushStyle = SavedLeftSpineBrushStyle;
    Image3.brushStyle = SavedRightSpineBrushStyle;
    for (Canvas* surface : {&Image1, &Image2, &Image3}) surface->clear();
    RepaintPictures(PictureHalf::Back);
    DrawWindowOutlines(OutlineGroups(OutlineGroup::FoldLines) | OutlineGroup::BackOutline);
    refreshIfCommitted();
}

void TForm1::CheckBox2Click() {
    Image1.brushStyle = SavedBackBrushStyle;
    CheckBox1Click();
}

void TForm1::CheckBox3Click() {
    Image4.brushStyle = SavedFrontBrushStyle;
    Image4.clear();
    RepaintPictures(PictureHalf::Front);
    DrawWindowOutlines(OutlineGroup::FrontOutline);
    refreshIfCommitted();
}

void TForm1::Button2Click() {
    if (!ColorDialog1->Execute(this)) return;
    OutlineColor = ColorDialog1->Color;
    if (CheckBox1->isChecked()) CheckBox1Click();
    if (CheckBox2->isChecked()) CheckBox2Click();
    if (CheckBox3->isChecked()) CheckBox3Click();
    setSwatchColor(ColorDialog1->Color);
}
