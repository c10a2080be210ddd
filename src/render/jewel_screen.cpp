// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/jewel_screen.h"

#include "render/canvas.h"
#include "cases/case_shapes.h"
#include "render/case_content.h"
#include "render/jewel_surfaces.h"
#include "render/outlines.h"

namespace {

// The overlay stands for the whole back strip; these columns of it go to
// the spines and the tray card.
constexpr int SpineWidth = JewelSpineSize.width();
constexpr int TrayCardStart = SpineWidth;
constexpr int RightSpineStart = JewelRightSpineInStrip;
const QString CommitTypeface = QStringLiteral("arial");

QRect whole(const Canvas& surface) {
    return QRect(0, 0, surface.width(), surface.height());
}

const TextRules& Rules = JewelTextRules.screen;

// Each surface is its own text box.
TextTarget boxOf(Canvas& surface) {
    return {surface, whole(surface)};
}

// The front's texts sit on white boxes again where only the back has a
// picture.
void restoreFrontBrush(const CoverValue& cover, Canvas& front) {
    if (!cover.noFrontText && cover.backPicture.chosen && !cover.frontPicture.chosen)
        front.brushStyle = cover.savedBrushes.front;
}

// The insert a picture lies on, on paper: the overlay stands for the back
// strip, the front surface for the front insert.
QSizeF pictureAreaMm(InsertSide side) {
    for (const PictureArea& area : ShapeOf(CaseKind::Jewel).pictures)
        if (area.picture == side) return area.area.size();
    return QSizeF();
}

// A frame over the whole surface in its pen, filled with its brush.
void frame(Canvas& surface) {
    surface.rectangle(0, 0, surface.width(), surface.height());
}

// Every surface starts white, whatever its brush, so nothing of an earlier
// render stays.
void clearShown(JewelSurfaces& surfaces) {
    for (Canvas* surface :
         {&surfaces.back, &surfaces.leftSpine, &surfaces.rightSpine, &surfaces.front})
        surface->clear();
}

void drawCentred(const CoverValue& cover, JewelSurfaces& surfaces, JewelScreenFit& fit) {
    Canvas& back = surfaces.back;
    Canvas& front = surfaces.front;
    clearShown(surfaces);
    back.pen.width = 1;
    frame(back);
    frame(front);
    DrawJewelPictures(cover, surfaces, BothPictureHalves);

    back.font.size = Rules.trackStartSize;
    ApplyChosenFont(back, cover.back);
    ApplyChosenFont(front, cover.front);
    const bool hasTracks = !cover.tracks.isEmpty();
    if (hasTracks) FitBackFont(back, cover.tracks, Rules, fit);

    back.pen.width = 1;
    if (!cover.backPicture.chosen) frame(back);
    if (cover.frontPicture.chosen && !cover.backPicture.chosen)
        back.brushStyle = cover.savedBrushes.back;

    const CaseTexts texts = CaseTextsOf(cover);
    if (hasTracks) DrawTrackLines(boxOf(back), cover.tracks, LayoutMode::Centred, Rules, fit);
    restoreFrontBrush(cover, front);
    DrawFrontTexts(boxOf(front), texts, LayoutMode::Centred, Rules, fit);
    DrawSpineTexts(boxOf(surfaces.leftSpine), boxOf(surfaces.rightSpine), texts,
                   LayoutMode::Centred, Rules);
    DrawOutlines(cover.guides, surfaces, AllOutlineGroups);
}

void drawFlushLeft(const CoverValue& cover, JewelSurfaces& surfaces, JewelScreenFit& fit) {
    Canvas& back = surfaces.back;
    Canvas& front = surfaces.front;
    back.font.name = CommitTypeface;
    back.font.size = Rules.trackStartSize;
    front.font.name = CommitTypeface;
    front.font.size = Rules.frontStartSize;
    clearShown(surfaces);
    DrawJewelPictures(cover, surfaces, BothPictureHalves);
    ApplyChosenFont(back, cover.back);
    ApplyChosenFont(front, cover.front);

    const CaseTexts texts = CaseTextsOf(cover);
    restoreFrontBrush(cover, front);
    DrawFrontTexts(boxOf(front), texts, LayoutMode::Left, Rules, fit);
    DrawSpineTexts(boxOf(surfaces.leftSpine), boxOf(surfaces.rightSpine), texts, LayoutMode::Left,
                   Rules);
    const bool hasTracks = !cover.tracks.isEmpty();
    if (hasTracks) FitBackFont(back, cover.tracks, Rules, fit);
    if (cover.frontPicture.chosen && !cover.backPicture.chosen)
        back.brushStyle = cover.savedBrushes.back;
    if (hasTracks) DrawTrackLines(boxOf(back), cover.tracks, LayoutMode::Left, Rules, fit);
    DrawOutlines(cover.guides, surfaces, AllOutlineGroups);
}

}  // namespace

void DrawJewelPictures(const CoverValue& cover, JewelSurfaces& surfaces, PictureHalves halves) {
    if (halves.testFlag(PictureHalf::Back) && cover.backPicture.chosen) {
        Canvas& overlay = surfaces.overlay;
        overlay.drawFramedPicture(whole(overlay), whole(overlay), pictureAreaMm(InsertSide::Back),
                                  cover.backPicture.shown, cover.backPicture.frame);
        const int height = overlay.height();
        surfaces.leftSpine.copyRect(whole(surfaces.leftSpine), overlay,
                                    QRect(0, 0, SpineWidth, height));
        surfaces.rightSpine.copyRect(
            whole(surfaces.rightSpine), overlay,
            QRect(RightSpineStart, 0, overlay.width() - RightSpineStart, height));
        // 398 columns of the tray card, widened to the back's 400.
        surfaces.back.copyRect(whole(surfaces.back), overlay,
                               QRect(TrayCardStart, 0, RightSpineStart - TrayCardStart, height));
    }
    if (halves.testFlag(PictureHalf::Front) && cover.frontPicture.chosen)
        surfaces.front.drawFramedPicture(whole(surfaces.front), whole(surfaces.front),
                                         pictureAreaMm(InsertSide::Front), cover.frontPicture.shown,
                                         cover.frontPicture.frame);
}

void DrawJewelScreen(const CoverValue& cover, JewelSurfaces& surfaces, JewelScreenFit& fit) {
    SetDrawingStates(surfaces, cover.surfaces);
    if (cover.centred) {
        drawCentred(cover, surfaces, fit);
    } else if (cover.committed) {
        drawFlushLeft(cover, surfaces, fit);
    } else {
        clearShown(surfaces);
        DrawJewelPictures(cover, surfaces, BothPictureHalves);
        DrawOutlines(cover.guides, surfaces, AllOutlineGroups);
    }
}
