// "Image": lays a picture behind the back insert (across both spines) or
// behind the front insert, by the active tab.

#include <QCheckBox>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "pictures/picture_loader.h"
#include "pictures/picture_repaint.h"
#include "render/outlines.h"
#include "tracks/refresh_cover.h"

void TForm1::BitBtn5Click() {
    Canvas* const visible[] = {&Image1, &Image2, &Image3, &Image4};
    auto allClear = [&] {
        for (Canvas* surface : visible) surface->brushStyle = BrushStyle::Clear;
    };

    for (Canvas* surface : visible) surface->fillSurface();
    SavedBackBrushStyle = Image1.brushStyle;
    SavedFrontBrushStyle = Image4.brushStyle;
    SavedRightSpineBrushStyle = Image3.brushStyle;
    SavedLeftSpineBrushStyle = Image2.brushStyle;

    if (TabbedNotebook1->currentIndex() == BackPage) {
        if (OpenPictureDialog1->Execute(this)) {
            allClear();
            BackPicturePath = OpenPictureDialog1->FileName;
            BackPicture = LoadPictureBitmap(BackPicturePath).value_or(PictureBitmap());
            HasBackPicture = true;
            DrawBackPicture();
        }
    } else if (OpenPictureDialog1->Execute(this)) {
        FrontPicturePath = OpenPictureDialog1->FileName;
        FrontPicture = LoadPictureBitmap(FrontPicturePath).value_or(PictureBitmap());
        allClear();
        HasFrontPicture = true;
        DrawFrontPicture();
    }

    if (CoverCommitted) RefreshCover();

    if (CheckBox1->isChecked()) {
        Image2.brushStyle = SavedLeftSpineBrushStyle;
        Image3.brushStyle = SavedRightSpineBrushStyle;
        DrawOutlines(OutlineGroup::FoldLines);
        allClear();
    }
    if (CheckBox2->isChecked()) {
        Image1.brushStyle = SavedBackBrushStyle;
        Image2.brushStyle = SavedLeftSpineBrushStyle;
        Image3.brushStyle = SavedRightSpineBrushStyle;
        DrawOutlines(OutlineGroup::BackOutline);
        allClear();
    }
    if (CheckBox3->isChecked()) {
        Image4.brushStyle = SavedFrontBrushStyle;
        DrawOutlines(OutlineGroup::FrontOutline);
        allClear();
    }
}
