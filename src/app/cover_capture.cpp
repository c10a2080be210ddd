// SPDX-License-Identifier: GPL-3.0-or-later
// The cover as it stands, read from the editor, the main window, the cover
// state and the surfaces.

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "app/picture_repaint.h"
#include "app/program_windows.h"
#include "tracks/text_field.h"
#include "tracks/track_editor.h"
#include "tracks/track_list_box.h"

namespace {

PictureEntry pictureOf(bool chosen, const QString& path, PictureHalf half) {
    if (PictureIsHeld(half)) return PictureEntry{QString(), HeldPicturePng(half)};
    if (!chosen || path.isEmpty()) return {};
    return PictureEntry{QDir::cleanPath(QFileInfo(path).absoluteFilePath()), QByteArray()};
}

// The typeface the surfaces start with, chosen by name (the font dialog's OK
// without a choice), draws as no choice does, so it is kept as none.
QString chosenTypeface(const QString& name) {
    return name.compare(CanvasFont().name, Qt::CaseInsensitive) == 0 ? QString() : name;
}

SurfaceStyles surfaceStyles() {
    const TForm1& window = *Form1;
    SurfaceStyles styles;
    styles.back = {window.Image1.brushStyle, SavedBackBrushStyle};
    styles.leftSpine = {window.Image2.brushStyle, SavedLeftSpineBrushStyle};
    styles.rightSpine = {window.Image3.brushStyle, SavedRightSpineBrushStyle};
    styles.front = {window.Image4.brushStyle, SavedFrontBrushStyle};
    styles.backPen = window.Image1.pen.color;
    styles.frontPen = window.Image4.pen.color;
    return styles;
}

}  // namespace

CoverDocument CaptureCover() {
    const TForm1& window = *Form1;
    const TForm2& editor = *Form2;
    CoverDocument cover;
    cover.tracks = ListEntries(*editor.ListBox1);
    cover.artist = FieldText(*editor.Edit3);
    cover.title = FieldText(*editor.Edit2);
    cover.committed = CoverCommitted;
    cover.layout = CenteredLayout ? CoverLayout::Centred : CoverLayout::Left;
    cover.back = {chosenTypeface(BackFontName), BackFontColor,
                  pictureOf(HasBackPicture, BackPicturePath, PictureHalf::Back), BackPictureFrame};
    cover.front = {chosenTypeface(FrontFontName), FrontFontColor,
                   pictureOf(HasFrontPicture, FrontPicturePath, PictureHalf::Front),
                   FrontPictureFrame};
    cover.outlines = {window.CheckBox1->isChecked(), window.CheckBox2->isChecked(),
                      window.CheckBox3->isChecked(), OutlineColor};
    cover.noFrontText = window.CheckBox4->isChecked();
    cover.turnSpinesOtherWay = window.CheckBox5->isChecked();
    cover.surfaces = surfaceStyles();
    cover.caseChoice = CoverCase;
    if (CoverCase.kind == CaseKind::Disc) cover.labelSheet = ChosenLabelSheet();
    return cover;
}
