// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/preview_stages.h"

#include <cstdlib>
#include <optional>

#include <QFileInfo>

#include "pictures/decoders/exif_thumbnail.h"
#include "pictures/decoders/jpeg_decoder.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/decoders/picture_orientation.h"
#include "pictures/picture_format_table.h"
#include "pictures/picture_loader.h"

namespace {

// How far a thumbnail's aspect may differ from the photo's, as a share of
// its width: rounding only, not the black bars some cameras pad with.
constexpr double AspectTolerance = 0.02;
// A thumbnail larger than this many times what the pane draws is no
// thumbnail; the photo itself is decoded then.
constexpr int LargestUsefulThumbnail = 4;

bool isJpegFile(const QString& path) {
    const PictureFormat* format = PictureFormats().Find(QFileInfo(path).suffix());
    return format && format->decoder == DecoderKind::Jpeg;
}

// The device pixels the pane draws a picture of `natural` size with:
// natural size when it fits, otherwise scaled to fit, its aspect kept.
QSize drawnSize(QSize natural, QSize room) {
    if (natural.width() <= room.width() && natural.height() <= room.height()) return natural;
    return natural.scaled(room, Qt::KeepAspectRatio);
}

// The photo's Exif thumbnail, when it can stand in for the photo in the
// pane; nothing otherwise.
std::optional<PictureBitmap> paneThumbnail(const QByteArray& photo, QSize room) {
    const std::optional<QByteArray> bytes = ExifThumbnailBytes(photo);
    if (!bytes) return std::nullopt;
    // The thumbnail is stored as the photo is: both are compared as stored,
    // and the photo's orientation turns the thumbnail upright.
    const Orientation orientation = JpegOrientation(photo);
    const QSize natural = JpegSize(photo);
    CheckPictureSize(natural.width(), natural.height());
    const QSize drawn =
        UprightSize(drawnSize(UprightSize(natural, orientation), room), orientation);
    const QSize thumbnail = JpegSize(*bytes);
    if (thumbnail.width() < drawn.width() || thumbnail.height() < drawn.height() ||
        thumbnail.width() > LargestUsefulThumbnail * drawn.width() ||
        thumbnail.height() > LargestUsefulThumbnail * drawn.height())
        return std::nullopt;
    const double heightForAspect = double(thumbnail.width()) * natural.height() / natural.width();
    if (std::abs(heightForAspect - thumbnail.height()) > AspectTolerance * thumbnail.width() + 1)
        return std::nullopt;
    QImage pixels = Upright(DecodeJpegToCover(*bytes, drawn).pixels, orientation);
    pixels.setColorSpace(JpegColourSpace(photo));  // a camera's thumbnail has the photo's colours
    return PictureBitmap(InSrgb(std::move(pixels)), UprightSize(natural, orientation));
}

}  // namespace

PictureBitmap DecodePreviewHere(const QString& path, const QByteArray& bytes, QSize cover,
                                QSize room, const ShowFirst& showFirst) {
    try {
        if (std::optional<PictureBitmap> thumbnail = paneThumbnail(bytes, room))
            if (!showFirst(std::move(*thumbnail))) return PictureBitmap();
    } catch (...) {
        // A damaged thumbnail: the photo itself decides what is shown.
    }
    return DecodePictureHere(path, bytes, cover, PictureUse::Screen, 1);
}

PictureBitmap DecodePreview(const PreviewRequest& request, const ShowFirst& showFirst,
                            DecodeHelper& helper) {
    const std::optional<QByteArray> bytes = ReadPictureBytes(request.path, helper);
    if (!bytes) return PictureBitmap();
    if (!isJpegFile(request.path))
        return DecodePictureBytes(request.path, *bytes, request.cover, PictureUse::Screen, helper);
    return DecodePhotoPreview(request.path, *bytes, request.cover, request.room, showFirst, helper);
}
