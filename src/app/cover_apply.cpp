// SPDX-License-Identifier: GPL-3.0-or-later
// A cover put into the windows and drawn, as the user's own steps would.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "tracks/text_field.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

namespace {

// The switches take their state without their handlers: the one drawing at
// the end draws what they show.
void setSwitch(QCheckBox* box, bool on) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
}

void setEditor(const CoverDocument& cover) {
    TForm2& editor = *Form2;
    {
        const QSignalBlocker quiet(editor.ListBox1);
        editor.ListBox1->clear();
        editor.ListBox1->addItems(cover.tracks);
    }
    TrackCount = int(cover.tracks.size());
    editor.Edit1->clear();
    SetFieldText(*editor.Edit3, cover.artist);
    SetFieldText(*editor.Edit2, cover.title);
    // As the first inserted track does.
    editor.Button1->setEnabled(TrackCount > 0);
}

void setMainWindow(const CoverDocument& cover) {
    TForm1& window = *Form1;
    setSwitch(window.CheckBox1, cover.outlines.fold);
    setSwitch(window.CheckBox2, cover.outlines.back);
    setSwitch(window.CheckBox3, cover.outlines.front);
    setSwitch(window.CheckBox4, cover.noFrontText);
    setSwitch(window.CheckBox5, cover.turnSpinesOtherWay);
    window.ColorDialog1->Color = cover.outlines.color;
    window.setSwatchColor(cover.outlines.color);
    window.ShowCoverCase();
    // A cover with tracks, committed or laid out was made in the editor,
    // whose closing opens the look commands; nothing closes them again.
    const bool edited =
        cover.committed || cover.layout == CoverLayout::Centred || !cover.tracks.isEmpty();
    if (edited)
        for (QWidget* button : {window.Button1, window.BitBtn1, window.BitBtn2, window.button4})
            button->setEnabled(true);
}

void setCoverState(const CoverDocument& cover) {
    ResetCoverState();
    BackFontName = cover.back.typeface;
    BackFontColor = cover.back.color;
    FrontFontName = cover.front.typeface;
    FrontFontColor = cover.front.color;
    OutlineColor = cover.outlines.color;
    CenteredLayout = cover.layout == CoverLayout::Centred;
    CoverCommitted = cover.committed;
    HasBackPicture = cover.back.picture.isSet();
    BackPicturePath = cover.back.picture.path;
    HasFrontPicture = cover.front.picture.isSet();
    FrontPicturePath = cover.front.picture.path;
    BackPictureFrame = cover.back.frame;
    FrontPictureFrame = cover.front.frame;
    CoverCase = cover.caseChoice;
    if (cover.caseChoice.kind == CaseKind::Disc) UseLabelSheet(cover.labelSheet);
    // A picture the document carries is held as a pasted one is.
    if (!cover.back.picture.png.isEmpty())
        HoldPicturePng(PictureHalf::Back, cover.back.picture.png);
    if (!cover.front.picture.png.isEmpty())
        HoldPicturePng(PictureHalf::Front, cover.front.picture.png);
}

void setBrushes(const SurfaceStyles& styles) {
    TForm1& window = *Form1;
    window.Image1.brushStyle = styles.back.current;
    window.Image2.brushStyle = styles.leftSpine.current;
    window.Image3.brushStyle = styles.rightSpine.current;
    window.Image4.brushStyle = styles.front.current;
    SavedBackBrushStyle = styles.back.saved;
    SavedLeftSpineBrushStyle = styles.leftSpine.saved;
    SavedRightSpineBrushStyle = styles.rightSpine.saved;
    SavedFrontBrushStyle = styles.front.saved;
}

// The surfaces take the styles given, and the fonts and pens they start
// with, and the overlay's white, as a new program has them.
void prepareSurfaces(const SurfaceStyles& styles) {
    TForm1& window = *Form1;
    for (Canvas* surface :
         {&window.Image1, &window.Image2, &window.Image3, &window.Image4, &window.Image5}) {
        surface->font = CanvasFont();
        surface->pen = CanvasPen();
    }
    // Only a back picture is drawn through it.
    if (HasBackPicture) window.Image5.clear();
    setBrushes(styles);
    window.Image1.pen.color = styles.backPen;
    window.Image4.pen.color = styles.frontPen;
}

// What the screen shows after the last of the user's steps: the commit
// ("Continue", also the left layout's re-render) takes the editor's texts;
// "Center" lays out the texts the commit took. Both start from white
// surfaces; a cover never laid out shows its pictures and outlines alone.
void drawCover(const SurfaceStyles& styles, bool takeEditorTexts) {
    if (CoverCommitted && (takeEditorTexts || !CenteredLayout)) CommitEditor();
    if (CenteredLayout || !CoverCommitted) RenderCover();
    // The renders set some surfaces' brushes as they go; the cover keeps its own.
    setBrushes(styles);
}

void replaceCover(const CoverDocument& cover) {
    setCoverState(cover);
    setEditor(cover);
    setMainWindow(cover);
    prepareSurfaces(cover.surfaces);
    drawCover(cover.surfaces, true);
}

}  // namespace

void ApplyCover(const CoverDocument& cover) {
    const CoverDocument before = CaptureCover();
    try {
        replaceCover(cover);
    } catch (...) {
        // The error that stopped the new cover is the one to report; the
        // old cover drew before, so it draws again.
        replaceCover(before);
        throw;
    }
}
