// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/qt_image_decoders.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>

#include "base/sleevix_error.h"
#include "pictures/decoders/icon_directory.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/decoders/picture_orientation.h"

namespace {

constexpr long long DeepestPixelBytes = 8;
constexpr int AllocationLimitMegabytes =
    int((MaxPicturePixels * DeepestPixelBytes) / (1024 * 1024)) + 1;

// A reader of one format only: the extension picked it, the content does
// not. The size is checked before any pixels are read.
class FormatReader {
  public:
    FormatReader(const QByteArray& data, const char* format) : buffer_() {
        buffer_.setData(data);
        buffer_.open(QIODevice::ReadOnly);
        reader_.setDevice(&buffer_);
        reader_.setFormat(format);
        reader_.setDecideFormatFromContent(false);
        // Otherwise a reader whose named format fails tries every other one.
        reader_.setAutoDetectImageFormat(false);
        // Qt 6.4 turns a TIFF upright as its tag says; PNG and WebP are
        // left to us (see decodeOpaque).
        reader_.setAutoTransform(true);
        // Qt's own bound on one image's memory (process-wide) must not be
        // below ours: deep pixels (16 bits a channel) of the most pixels
        // allowed. Our size check comes first.
        if (QImageReader::allocationLimit() < AllocationLimitMegabytes)
            QImageReader::setAllocationLimit(AllocationLimitMegabytes);
    }
    QImageReader& operator*() { return reader_; }
    QImageReader* operator->() { return &reader_; }

    // A reader that cannot tell the size before it reads is given no
    // chance to allocate for a size nobody checked.
    QImage readSizeFirst(const char* invalidMessage) {
        if (!reader_.size().isValid())
            throw SleevixError(QCoreApplication::translate("Pictures", invalidMessage));
        return readChecked(invalidMessage);
    }

    QImage readChecked(const char* invalidMessage) {
        // Any size reported is checked, a negative side too (a top-down
        // bitmap's); only "unknown" waits for the picture itself.
        const QSize size = reader_.size();
        if (size != QSize()) CheckPictureSize(size.width(), size.height());
        QImage image;
        if (!reader_.read(&image) || image.isNull()) {
            // Qt's readers report pixels they could not allocate as an
            // invalid picture; within the limits, that is memory running out.
            if (size.isValid() && QImage(size, QImage::Format_ARGB32).isNull())
                throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
            throw SleevixError(QCoreApplication::translate("Pictures", invalidMessage));
        }
        return image;
    }

  private:
    QBuffer buffer_;
    QImageReader reader_;
};

// The bits per pixel the file's header declares; 0 when unreadable.
int declaredBitsPerPixel(const QByteArray& data) {
    constexpr int FileHeaderSize = 14;
    constexpr int CoreHeaderSize = 12;  // the oldest header keeps it elsewhere
    auto word = [&](int at) {
        return at + 2 <= data.size() ? int(uchar(data[at])) | int(uchar(data[at + 1])) << 8 : 0;
    };
    const int headerSize = word(FileHeaderSize);
    return word(FileHeaderSize + (headerSize == CoreHeaderSize ? 10 : 14));
}

// The Qt format that keeps a bitmap's own depth. Qt has no 4-bit format: a
// 4-bit bitmap becomes 8-bit indexed, the same palette and pixels.
QImage::Format formatForDepth(int bitsPerPixel, const QImage& read) {
    switch (bitsPerPixel) {
        case 1:
            return QImage::Format_Mono;
        case 4:
        case 8:
            return QImage::Format_Indexed8;
        case 16:
            return QImage::Format_RGB555;
        case 24:
            return QImage::Format_RGB888;
        default:
            return read.format();  // 32 bits, with or without alpha, as read
    }
}

// `exifOf` finds the Exif block whose orientation Qt's reader does not
// read: the pixels are turned upright by whichever finds one.
QImage decodeOpaque(const QByteArray& data, const char* format, const char* invalidMessage,
                    std::optional<ExifTiff> (*exifOf)(const QByteArray&) = nullptr) {
    FormatReader reader(data, format);
    QImage image = reader.readSizeFirst(invalidMessage);
    if (exifOf && reader->transformation() == QImageIOHandler::TransformationNone)
        image = Upright(std::move(image), ExifOrientation(exifOf(data)));
    return OpaqueOnWhite(std::move(image));
}

}  // namespace

QImage DecodeBitmap(const QByteArray& data) {
    FormatReader reader(data, "bmp");
    QImage image = reader.readChecked(QT_TRANSLATE_NOOP("Pictures", "Bitmap image is not valid"));
    const QImage::Format own = formatForDepth(declaredBitsPerPixel(data), image);
    if (image.format() != own) image.convertTo(own);
    return image;
}

QImage DecodeIcon(const QByteArray& data) {
    // Only the entry shown is decoded: an icon may hold thousands.
    const std::optional<IconEntryChoice> entry = ChooseIconEntry(data);
    if (!entry) {
        const QSize largest = LargestIconEntry(data);
        if (largest.isValid())
            throw SleevixError(
                QCoreApplication::translate("Pictures", "Icon image is too large (%1 x %2)")
                    .arg(largest.width())
                    .arg(largest.height()));
        throw SleevixError(QCoreApplication::translate("Pictures", "Icon image is not valid"));
    }
    FormatReader reader(data, "ico");
    if (entry->index > 0 && !reader->jumpToImage(entry->index))
        throw SleevixError(QCoreApplication::translate("Pictures", "Icon image is not valid"));
    return reader.readChecked(QT_TRANSLATE_NOOP("Pictures", "Icon image is not valid"));
}

QImage DecodePng(const QByteArray& data) {
    return decodeOpaque(data, "png", QT_TRANSLATE_NOOP("Pictures", "PNG image is not valid"),
                        PngExif);
}

QImage DecodeWebP(const QByteArray& data) {
    return decodeOpaque(data, "webp", QT_TRANSLATE_NOOP("Pictures", "WebP image is not valid"),
                        WebpExif);
}

QImage DecodeTiff(const QByteArray& data) {
    return decodeOpaque(data, "tiff", QT_TRANSLATE_NOOP("Pictures", "TIFF image is not valid"));
}

QImage OpaqueOnWhite(QImage image) {
    if (!image.hasAlphaChannel()) return image;
    QImage flat = AllocatePicture(image.width(), image.height(), QImage::Format_RGB32);
    flat.setColorSpace(image.colorSpace());  // still to be converted as a whole
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}
