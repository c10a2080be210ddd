// SPDX-License-Identifier: GPL-3.0-or-later
// "Image": lays a picture behind the back insert (across both spines) or
// behind the front insert, by the active tab.

#include "pictures/commands/image_command.h"

#include <exception>

#include <QCheckBox>
#include <QTabWidget>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "base/sleevix_error.h"

void TForm1::BitBtn5Click() {
    RunImageCommand(*this, [this]() -> std::optional<PictureChoice> {
        if (!OpenPictureDialog1->Execute(this)) return std::nullopt;
        return PictureChoice{OpenPictureDialog1->FileName, QImage()};
    });
}

void RunImageCommand(TForm1& window, const std::function<std::optional<PictureChoice>()>& choose) {
    Canvas& Image1 = window.Image1;
    Canvas& Image2 = window.Image2;
    Canvas& Image3 = window.Image3;
    Canvas& Image4 = window.Image4;
    Canvas* const visible[] = {&Image1, &Image2, &Image3, &Image4};
    auto allClear = [&] {
        for (Canvas* surface : visible) surface->brushStyle = BrushStyle::Clear;
    };

    // A cancelled dialog changes nothing a save would write: the brushes as
    // they were come back once the cover is drawn again.
    struct Brushes {
        BrushStyle surfaces[4];
        BrushStyle saved[4];
    };
    const Brushes before{{Image1.brushStyle, Image2.brushStyle, Image3.brushStyle, Image4.brushStyle},
                         {SavedBackBrushStyle, SavedLeftSpineBrushStyle, SavedRightSpineBrushStyle,
                          SavedFrontBrushStyle}};
    bool cancelled = false;

    for (Canvas* surface : visible) surface->fillSurface();
    SavedBackBrushStyle = Image1.brushStyle;
    SavedFrontBrushStyle = Image4.brushStyle;
    SavedRightSpineBrushStyle = Image3.brushStyle;
    SavedLeftSpineBrushStyle = Image2.brushStyle;

    // A pick that cannot be read leaves the insert's picture as it was; its
    // error is raised once the cover has been drawn again.
    std::exception_ptr failedPick;
    auto pick = [&](void (*chooseFile)(const QString&, QSize), QSize cover,
                    void (*hold)(const QImage&)) {
        const std::optional<PictureChoice> chosen = choose();
        if (!chosen) {
            cancelled = true;
            return false;
        }
        try {
            if (chosen->held.isNull())
                chooseFile(chosen->path, cover);
            else
                hold(chosen->held);
            return true;
        } catch (const SleevixError&) {
            failedPick = std::current_exception();
            return false;
        }
    };

    if (window.TabbedNotebook1->currentIndex() == TForm1::BackPage) {
        if (pick(ChooseBackPicture, BackPictureCover(), HoldBackPicture)) {
            allClear();
            DrawHeldPictures(PictureHalf::Back);
        }
    } else if (pick(ChooseFrontPicture, FrontPictureCover(), HoldFrontPicture)) {
        allClear();
        DrawHeldPictures(PictureHalf::Front);
    }

    auto redraw = [&] {
        if (CoverCommitted) RefreshCover();

        if (window.CheckBox1->isChecked()) {
            Image2.brushStyle = SavedLeftSpineBrushStyle;
            Image3.brushStyle = SavedRightSpineBrushStyle;
            DrawWindowOutlines(OutlineGroup::FoldLines);
            allClear();
        }
        if (window.CheckBox2->isChecked()) {
            Image1.brushStyle = SavedBackBrushStyle;
            Image2.brushStyle = SavedLeftSpineBrushStyle;
            Image3.brushStyle = SavedRightSpineBrushStyle;
            DrawWindowOutlines(OutlineGroup::BackOutline);
            allClear();
        }
        if (window.CheckBox3->isChecked()) {
            Image4.brushStyle = SavedFrontBrushStyle;
            DrawWindowOutlines(OutlineGroup::FrontOutline);
            allClear();
        }
    };
    const auto restoreIfCancelled = [&] {
        if (!cancelled) return;
        for (int i = 0; i < 4; ++i) visible[i]->brushStyle = before.surfaces[i];
        SavedBackBrushStyle = before.saved[0];
        SavedLeftSpineBrushStyle = before.saved[1];
        SavedRightSpineBrushStyle = before.saved[2];
        SavedFrontBrushStyle = before.saved[3];
    };
    try {
        redraw();
        restoreIfCancelled();
    } catch (...) {
        restoreIfCancelled();
        // A failed pick's error wins over the redraw's: that one comes back
        // at the next render, the pick's would be lost.
        if (!failedPick) throw;
    }
    if (failedPick) std::rethrow_exception(failedPick);
}
