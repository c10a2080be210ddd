// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_repaint.h"

#include <exception>

#include "app/cover_state.h"
#include "app/error_box.h"
#include "app/handler_guard.h"
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

// The path of each half whose failure to read has been shown already: a
// file that stays unreadable is reported once, not at every repaint.
QString reportedBackFailure;
QString reportedFrontFailure;

// Reads a held picture again. When its file cannot be read any more, the
// error is shown once (through the handlers' error wrapper) and the render
// goes on without the picture, as for a file that is gone.
PictureBitmap reload(const QString& path, QSize cover, QString& reportedFailure) {
    std::exception_ptr failure;
    try {
        PictureBitmap picture = LoadPictureBitmap(path, cover).value_or(PictureBitmap());
        reportedFailure.clear();
        return picture;
    } catch (const SleevixError&) {
        failure = std::current_exception();
    }
    if (reportedFailure != path) {
        reportedFailure = path;
        RunHandler([&] { std::rethrow_exception(failure); });
    }
    return PictureBitmap();
}

}  // namespace

QSize BackPictureCover() {
    return Form1->Image5.displayImage().size();
}

QSize FrontPictureCover() {
    return Form1->Image4.displayImage().size();
}

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

void ChooseBackPicture(const QString& path, PictureBitmap picture) {
    BackPicturePath = path;
    BackPicture = std::move(picture);
    HasBackPicture = true;
    reportedBackFailure.clear();
}

void ChooseFrontPicture(const QString& path, PictureBitmap picture) {
    FrontPicturePath = path;
    FrontPicture = std::move(picture);
    HasFrontPicture = true;
    reportedFrontFailure.clear();
}

void RepaintPictures(PictureHalves halves) {
    // Read again every time: a file changed on disk shows its new content.
    // Only as many pixels are decoded as the surfaces show; printing reads
    // the file again at full size.
    if (halves.testFlag(PictureHalf::Back) && HasBackPicture) {
        BackPicture = reload(BackPicturePath, BackPictureCover(), reportedBackFailure);
        DrawBackPicture();
    }
    if (halves.testFlag(PictureHalf::Front) && HasFrontPicture) {
        FrontPicture = reload(FrontPicturePath, FrontPictureCover(), reportedFrontFailure);
        DrawFrontPicture();
    }
}
