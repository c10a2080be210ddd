#include "pictures/picture_repaint.h"

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "pictures/picture_loader.h"

namespace {

// The overlay stands for the whole tray card; these columns of it go to
// the spines and the tray card.
constexpr int SpineWidth = 22;
constexpr int TrayCardStart = 22;
constexpr int RightSpineStart = 420;

QRect whole(const Canvas& surface) {
    return QRect(0, 0, surface.width(), surface.height());
}

}  // namespace

void DrawBackPicture() {
    TForm1& window = *Form1;
    Canvas& overlay = window.Image5;
    BackPicture.drawStretched(overlay, whole(overlay));
    const int height = overlay.height();
    window.Image2.copyRect(whole(window.Image2), overlay, QRect(0, 0, SpineWidth, height));
    window.Image3.copyRect(whole(window.Image3), overlay,
                           QRect(RightSpineStart, 0, overlay.width() - RightSpineStart, height));
    // 398 columns of the tray card, widened to the back's 400.
    window.Image1.copyRect(whole(window.Image1), overlay,
                           QRect(TrayCardStart, 0, RightSpineStart - TrayCardStart, height));
}

void DrawFrontPicture() {
    FrontPicture.drawStretched(Form1->Image4, whole(Form1->Image4));
}

void RepaintPictures(PictureHalves halves) {
    // Read again every time: a file changed on disk shows its new content.
    if (halves.testFlag(PictureHalf::Back) && HasBackPicture) {
        BackPicture = LoadPictureBitmap(BackPicturePath).value_or(PictureBitmap());
        DrawBackPicture();
    }
    if (halves.testFlag(PictureHalf::Front) && HasFrontPicture) {
        FrontPicture = LoadPictureBitmap(FrontPicturePath).value_or(PictureBitmap());
        DrawFrontPicture();
    }
}
