// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_repaint.h"

#include <exception>

#include <QBuffer>
#include <QImageWriter>

#include "app/cover_state.h"
#include "base/handler_guard.h"
#include "base/sleevix_error.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/decoders/qt_image_decoders.h"
#include "pictures/picture_loader.h"
#include "pictures/picture_reads.h"
#include "pictures/print_only_pictures.h"

namespace {

// The name a picture carried in a document goes by, in the decode helper's
// messages and for the choice of its decoder.
const QString CarriedPictureName = QStringLiteral("picture.png");

// What each half's picture was read from (a repaint decodes a file again
// only when its bytes changed), and the path whose failure to read has been
// shown already: a file that stays unreadable is reported once, not at
// every repaint.
struct HalfState {
    RememberedPictureReads source;
    QString reportedFailure;
    bool held = false;   // the picture has no file: it is drawn as it is
    QByteArray heldPng;  // the held picture as PNG, once it was asked for
};
HalfState backState;
HalfState frontState;

// Reads a held picture again. When its file cannot be read any more, the
// error is shown once (through the handlers' error wrapper) and the render
// goes on without the picture, as for a file that is gone.
PictureBitmap reload(const QString& path, QSize cover, const PictureBitmap& held,
                     HalfState& state) {
    if (state.held && path.isEmpty()) return held;
    if (PrintOnlyPictures::Active()) {
        state.source.forget();
        return PictureBitmap();
    }
    std::exception_ptr failure;
    try {
        PictureBitmap picture = state.source.read(path, cover);
        state.reportedFailure.clear();
        return picture;
    } catch (const SleevixError&) {
        failure = std::current_exception();
    }
    state.source.forget();
    if (state.reportedFailure != path) {
        state.reportedFailure = path;
        RunHandler([&] { std::rethrow_exception(failure); });
    }
    return PictureBitmap();
}

}  // namespace

void ChooseBackPicture(const QString& path, QSize cover) {
    RememberedPictureReads source;
    PictureBitmap picture = source.read(path, cover);
    BackPicturePath = path;
    BackPicture = std::move(picture);
    HasBackPicture = true;
    backState = HalfState{std::move(source), QString(), false, QByteArray()};
}

void ChooseFrontPicture(const QString& path, QSize cover) {
    RememberedPictureReads source;
    PictureBitmap picture = source.read(path, cover);
    FrontPicturePath = path;
    FrontPicture = std::move(picture);
    HasFrontPicture = true;
    frontState = HalfState{std::move(source), QString(), false, QByteArray()};
}

namespace {

PictureBitmap heldPicture(const QImage& picture) {
    CheckPictureSize(picture.width(), picture.height());
    return PictureBitmap(OpaqueOnWhite(picture));
}

}  // namespace

void HoldBackPicture(const QImage& picture) {
    PictureBitmap held = heldPicture(picture);
    BackPicturePath.clear();
    BackPicture = std::move(held);
    HasBackPicture = true;
    backState = HalfState{RememberedPictureReads(), QString(), true, QByteArray()};
}

void HoldFrontPicture(const QImage& picture) {
    PictureBitmap held = heldPicture(picture);
    FrontPicturePath.clear();
    FrontPicture = std::move(held);
    HasFrontPicture = true;
    frontState = HalfState{RememberedPictureReads(), QString(), true, QByteArray()};
}

bool PictureIsHeld(PictureHalf half) {
    return half == PictureHalf::Back
               ? HasBackPicture && backState.held && BackPicturePath.isEmpty()
               : HasFrontPicture && frontState.held && FrontPicturePath.isEmpty();
}

QByteArray HeldPicturePng(PictureHalf half) {
    if (!PictureIsHeld(half)) return QByteArray();
    HalfState& state = half == PictureHalf::Back ? backState : frontState;
    if (state.heldPng.isEmpty()) {
        QBuffer buffer(&state.heldPng);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png")
            .write((half == PictureHalf::Back ? BackPicture : FrontPicture).pixels());
    }
    return state.heldPng;
}

void HoldPicturePng(PictureHalf half, const QByteArray& png) {
    const QImage picture = DecodePictureBytes(CarriedPictureName, png, QSize()).pixels();
    if (half == PictureHalf::Back) {
        HoldBackPicture(picture);
        backState.heldPng = png;
    } else {
        HoldFrontPicture(picture);
        frontState.heldPng = png;
    }
}

void ReloadPictures(PictureHalves halves, QSize backCover, QSize frontCover) {
    // Read again every time: a file changed on disk shows its new content.
    // Only as many pixels are decoded as the surfaces show; printing reads
    // the file again at full size.
    if (halves.testFlag(PictureHalf::Back) && HasBackPicture)
        BackPicture = reload(BackPicturePath, backCover, BackPicture, backState);
    if (halves.testFlag(PictureHalf::Front) && HasFrontPicture)
        FrontPicture = reload(FrontPicturePath, frontCover, FrontPicture, frontState);
}
