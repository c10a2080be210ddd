// SPDX-License-Identifier: GPL-3.0-or-later
// "Image": lays a picture behind the back insert (across both spines) or
// behind the front insert, by the active tab.

#include "pictures/commands/image_command.h"

#include <array>
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

namespace {

std::array<Canvas*, 4> shownSurfaces(TForm1& window) {
    return {&window.Image1, &window.Image2, &window.Image3, &window.Image4};
}

void allClear(TForm1& window) {
    for (Canvas* surface : shownSurfaces(window)) surface->brushStyle = BrushStyle::Clear;
}

// The surfaces' brushes and the ones the outline switches put back: a
// cancelled dialog changes nothing a save would write, so the brushes as
// they were come back once the cover is drawn again.
struct Brushes {
    std::array<BrushStyle, 4> surfaces;
    std::array<BrushStyle, 4> saved;

    static Brushes of(TForm1& window) {
        return {{window.Image1.brushStyle, window.Image2.brushStyle, window.Image3.brushStyle,
                 window.Image4.brushStyle},
                {SavedBackBrushStyle, SavedLeftSpineBrushStyle, SavedRightSpineBrushStyle,
                 SavedFrontBrushStyle}};
    }
    void restore(TForm1& window) const {
        const std::array<Canvas*, 4> shown = shownSurfaces(window);
        for (std::size_t i = 0; i < shown.size(); ++i) shown[i]->brushStyle = surfaces[i];
        SavedBackBrushStyle = saved[0];
        SavedLeftSpineBrushStyle = saved[1];
        SavedRightSpineBrushStyle = saved[2];
        SavedFrontBrushStyle = saved[3];
    }
};

// The cover drawn again after the pick, then each outline that is on, each
// on the brushes its switch puts back.
void redrawAfterPick(TForm1& window) {
    if (CoverCommitted) RefreshCover();
    if (window.CheckBox1->isChecked()) {
        window.Image2.brushStyle = SavedLeftSpineBrushStyle;
        window.Image3.brushStyle = SavedRightSpineBrushStyle;
        DrawWindowOutlines(OutlineGroup::FoldLines);
        allClear(window);
    }
    if (window.CheckBox2->isChecked()) {
        window.Image1.brushStyle = SavedBackBrushStyle;
        window.Image2.brushStyle = SavedLeftSpineBrushStyle;
        window.Image3.brushStyle = SavedRightSpineBrushStyle;
        DrawWindowOutlines(OutlineGroup::BackOutline);
        allClear(window);
    }
    if (window.CheckBox3->isChecked()) {
        window.Image4.brushStyle = SavedFrontBrushStyle;
        DrawWindowOutlines(OutlineGroup::FrontOutline);
        allClear(window);
    }
}

}  // namespace

void RunImageCommand(TForm1& window, const std::function<std::optional<PictureChoice>()>& choose) {
    const Brushes before = Brushes::of(window);
    bool cancelled = false;

    for (Canvas* surface : shownSurfaces(window)) surface->fillSurface();
    SavedBackBrushStyle = window.Image1.brushStyle;
    SavedFrontBrushStyle = window.Image4.brushStyle;
    SavedRightSpineBrushStyle = window.Image3.brushStyle;
    SavedLeftSpineBrushStyle = window.Image2.brushStyle;

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
            allClear(window);
            DrawHeldPictures(PictureHalf::Back);
        }
    } else if (pick(ChooseFrontPicture, FrontPictureCover(), HoldFrontPicture)) {
        allClear(window);
        DrawHeldPictures(PictureHalf::Front);
    }

    try {
        redrawAfterPick(window);
        if (cancelled) before.restore(window);
    } catch (...) {
        if (cancelled) before.restore(window);
        // A failed pick's error wins over the redraw's: that one comes back
        // at the next render, the pick's would be lost.
        if (!failedPick) throw;
    }
    if (failedPick) std::rethrow_exception(failedPick);
}
