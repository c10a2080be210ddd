// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_loader.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <QColorSpace>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

#include "base/input_file.h"
#include "base/sleevix_error.h"
#include "pictures/decoders/album_art.h"
#include "pictures/decoders/decoded_picture.h"
#include "pictures/decoders/gif_decoder.h"
#include "pictures/decoders/jpeg_decoder.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/decoders/qt_image_decoders.h"
#include "pictures/metafile/metafile_picture.h"
#include "pictures/picture_format_table.h"
#include "pictures/svg/drawing_work.h"
#include "pictures/svg/svg_document.h"
#include "pictures/svg/svg_picture.h"

namespace {

// The text after the last dot of the name's last component; empty if none.
QString extensionOf(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

// A photo read for a screen area keeps only the pixels that cover the
// area (its aspect kept), with its natural size: held and drawn again at
// every repaint, it costs the screen only what it shows.
std::unique_ptr<RasterPicture> coveringRaster(QImage pixels, QSize cover) {
    const QSize natural = pixels.size();
    if (!cover.isEmpty()) {
        const QSize covering = natural.scaled(cover, Qt::KeepAspectRatioByExpanding);
        if (covering.width() < natural.width() && covering.height() < natural.height())
            pixels = pixels.scaled(covering, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return std::make_unique<RasterPicture>(std::move(pixels), true, natural);
}

// `weighed`: a drawing is refused by the work meter's tally, in this process;
// otherwise the decode helper's deadline bounds it.
std::unique_ptr<DecodedPicture> decode(DecoderKind kind, const QByteArray& bytes,
                                       const QString& extension, QSize cover, bool weighed) {
    switch (kind) {
        case DecoderKind::Png:
            return coveringRaster(DecodePng(bytes), cover);
        case DecoderKind::WebP:
            return coveringRaster(DecodeWebP(bytes), cover);
        case DecoderKind::Tiff:
            return coveringRaster(DecodeTiff(bytes), cover);
        case DecoderKind::Svg:
            return std::make_unique<SvgPicture>(SvgText(bytes), weighed);
        case DecoderKind::Svgz:
            return std::make_unique<SvgPicture>(InflateSvgz(bytes), weighed);
        case DecoderKind::AlbumArt: {
            // The art's declared format picks its decoder, as an extension
            // does for a file.
            const AlbumArt art = UnpackAlbumArt(bytes);
            const PictureFormat* format = PictureFormats().Find(art.extension);
            if (!format || format->decoder == DecoderKind::AlbumArt) break;
            return decode(format->decoder, art.data, art.extension, cover, weighed);
        }
        case DecoderKind::Jpeg: {
            ScaledJpeg jpeg = DecodeJpegToCover(bytes, cover);
            return std::make_unique<RasterPicture>(std::move(jpeg.pixels), true, jpeg.natural);
        }
        case DecoderKind::Gif:
            return std::make_unique<RasterPicture>(DecodeGif(bytes), true);
        case DecoderKind::Bitmap:
            return std::make_unique<RasterPicture>(DecodeBitmap(bytes), true);
        case DecoderKind::Icon:
            return std::make_unique<RasterPicture>(DecodeIcon(bytes), false);
        case DecoderKind::Metafile:
            return std::make_unique<MetafilePicture>(bytes);
    }
    throw SleevixError(
        QCoreApplication::translate("Pictures", "Unknown picture file extension (.%1)")
            .arg(extension));
}

// Draws a picture that does not hand its pixels over onto a 24-bit bitmap
// of its size; what the picture leaves untouched stays white.
QImage convertTo24Bits(const DecodedPicture& picture) {
    return DrawnWithinBudget(QSize(picture.width(), picture.height()), QImage::Format_RGB888, false,
                             [&](QPainter& painter) { picture.drawAt(painter, QPoint(0, 0)); });
}

// A size brought within the picture limits, keeping its aspect.
QSize withinLimits(QSize size) {
    const double width = size.width(), height = size.height();
    const double scale = std::min({1.0, MaxPictureSide / width, MaxPictureSide / height,
                                   std::sqrt(double(MaxPicturePixels) / (width * height))});
    if (scale >= 1.0) return size;
    return QSize(std::max(1, int(width * scale)), std::max(1, int(height * scale)));
}

// Draws a drawing of vectors over white at the size of the area it is read
// for, or at its natural size; either within the picture limits. With a
// `divisor`, at that fraction of each side, bounded by the decode helper's
// deadline; without (0), smaller where the work meter predicts it must be.
QImage drawnOnWhite(const DecodedPicture& picture, DecodedPicture::VectorDrawing style,
                    QSize cover, int divisor) {
    const QSize size =
        withinLimits(cover.isEmpty() ? QSize(picture.width(), picture.height()) : cover);
    const auto whole = [](QPainter& painter) {
        return QRect(0, 0, painter.device()->width(), painter.device()->height());
    };
    if (divisor > 0)
        return DrawnOnWhite(
            QSize(std::max(1, size.width() / divisor), std::max(1, size.height() / divisor)),
            style.format, style.antialiased,
            [&](QPainter& painter) { picture.drawStretched(painter, whole(painter)); });
    return DrawnWithinBudgetOrSmaller(
        size, style.format, style.antialiased,
        [&](QPainter& painter) { picture.drawStretched(painter, whole(painter)); },
        [&](QPainter& painter) { picture.weighStretched(painter, whole(painter)); });
}

// A picture file as the gate reads it: no larger than the format can need,
// so a larger one is refused before it is read.
InputKind inputKindOf(DecoderKind kind) {
    const bool svg = kind == DecoderKind::Svg || kind == DecoderKind::Svgz;
    return InputKind{QT_TRANSLATE_NOOP("InputFile", "a picture"),
                     svg ? MaxSvgTextBytes : MaxPictureFileBytes};
}

}  // namespace

const PictureFormat& PictureFormatOf(const QString& fileName) {
    const QString extension = extensionOf(fileName);
    const PictureFormat* format = PictureFormats().Find(extension);
    if (!format)
        throw SleevixError(
            QCoreApplication::translate("Pictures", "Unknown picture file extension (.%1)")
                .arg(extension));
    return *format;
}

void CheckPictureFileName(const QString& fileName) {
    PictureFormatOf(fileName);
}

std::optional<QByteArray> ReadPictureBytes(const QString& fileName, DecodeHelper& helper) {
    const QFileInfo file(fileName);
    if (!file.exists() || file.isDir()) return std::nullopt;
    const DecoderKind kind = PictureFormatOf(fileName).decoder;
    if (kind == DecoderKind::AlbumArt) return AlbumArtBytes(fileName, helper);
    return ReadInputFile(fileName, inputKindOf(kind));
}

QByteArray ReadAlbumArtHere(int openedFd, const QString& fileName) {
    return PackAlbumArt(AlbumArtOfOpenedFile(openedFd, fileName, extensionOf(fileName)));
}

PictureBitmap DecodePictureHere(const QString& fileName, const QByteArray& bytes, QSize cover,
                                PictureUse use, int drawDivisor) {
    const QSize rasterCover = use == PictureUse::Screen ? cover : QSize();
    const std::unique_ptr<DecodedPicture> picture =
        decode(PictureFormatOf(fileName).decoder, bytes, extensionOf(fileName), rasterCover,
               drawDivisor == 0);
    // Whatever size a decoder reported before it read, what it made is held
    // to the limits; a drawing is drawn within them at any size it declares.
    const std::optional<DecodedPicture::VectorDrawing> vectors = picture->vectorDrawing();
    if (!vectors) CheckPictureSize(picture->width(), picture->height());
    if (vectors)
        return PictureBitmap(drawnOnWhite(*picture, *vectors, cover, drawDivisor),
                             QSize(picture->width(), picture->height()));
    if (std::optional<QImage> pixels = picture->handOverPixels())
        return PictureBitmap(InSrgb(std::move(*pixels)),
                             QSize(picture->width(), picture->height()));
    return PictureBitmap(convertTo24Bits(*picture));
}

QImage InSrgb(QImage pixels) {
    const QColorSpace own = pixels.colorSpace();
    if (!own.isValid() || own == QColorSpace(QColorSpace::SRgb)) return pixels;
    QImage converted = pixels.convertedToColorSpace(QColorSpace::SRgb);
    if (converted.isNull())
        throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
    return converted;
}

std::optional<PictureBitmap> LoadPictureBitmap(const QString& fileName, QSize cover,
                                               PictureUse use) {
    const std::optional<QByteArray> bytes = ReadPictureBytes(fileName);
    if (!bytes) return std::nullopt;
    return DecodePictureBytes(fileName, *bytes, cover, use);
}
