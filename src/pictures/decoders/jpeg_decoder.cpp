// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <QColorSpace>
#include <QCoreApplication>

#include "base/sleevix_error.h"
#include "pictures/decoders/exif_block.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/decoders/picture_orientation.h"

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; we jump back to the step that called into the library. Every
// object with a destructor lives outside the regions that can be jumped
// out of.
struct JpegErrorManager {
    jpeg_error_mgr library;
    std::jmp_buf recovery;
};

[[noreturn]] void jumpToRecovery(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(manager->recovery, 1);
}

// Warnings (a truncated scan, a damaged marker) are recovered from by the
// library; there is nobody to print them to.
void ignoreMessage(j_common_ptr) {}

// The decompressor, destroyed on every path.
class JpegDecompressor {
  public:
    JpegDecompressor() {
        info.err = jpeg_std_error(&errors.library);
        errors.library.error_exit = jumpToRecovery;
        errors.library.output_message = ignoreMessage;
    }
    // Safe also when creating failed: the library then holds no memory.
    ~JpegDecompressor() { jpeg_destroy_decompress(&info); }
    JpegDecompressor(const JpegDecompressor&) = delete;
    JpegDecompressor& operator=(const JpegDecompressor&) = delete;

    [[noreturn]] void fail() const {
        throw SleevixError(
            QCoreApplication::translate("Pictures", "JPEG error #%1").arg(errors.library.msg_code));
    }

    jpeg_decompress_struct info{};
    JpegErrorManager errors{};
};

// Creating the decompressor can fail too (out of memory).
bool create(JpegDecompressor& jpeg) {
    if (setjmp(jpeg.errors.recovery)) return false;
    jpeg_create_decompress(&jpeg.info);
    return true;
}

// DCT scaling works in eighths of the full size.
constexpr unsigned int ScaleDenominator = 8;

// The fewest eighths whose output, rounded up as libjpeg rounds it, is at
// least `wanted` pixels from `full`.
unsigned int eighthsCovering(JDIMENSION full, int wanted) {
    for (unsigned int eighths = 1; eighths < ScaleDenominator; ++eighths)
        if ((qint64(full) * eighths + ScaleDenominator - 1) / ScaleDenominator >= wanted)
            return eighths;
    return ScaleDenominator;
}

// An ICC profile may be split over many APP2 markers.
constexpr int IccMarker = JPEG_APP0 + 2;
constexpr unsigned int LongestMarker = 0xFFFF;

// Reads the header and sets the output: best quality, the size that covers
// `cover` (full size when it is empty; stored sides, before any turn),
// colour spaces libjpeg converts for us. Returns false when libjpeg failed.
bool readHeader(JpegDecompressor& jpeg, const QByteArray& data, QSize cover) {
    if (setjmp(jpeg.errors.recovery)) return false;
    jpeg_mem_src(&jpeg.info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    // Kept in memory with the header; no more than the file's bytes.
    jpeg_save_markers(&jpeg.info, IccMarker, LongestMarker);
    jpeg_read_header(&jpeg.info, TRUE);
    jpeg.info.scale_num = ScaleDenominator;
    jpeg.info.scale_denom = ScaleDenominator;
    if (!cover.isEmpty())
        jpeg.info.scale_num = std::max(eighthsCovering(jpeg.info.image_width, cover.width()),
                                       eighthsCovering(jpeg.info.image_height, cover.height()));
    jpeg.info.dct_method = JDCT_ISLOW;
    jpeg.info.do_fancy_upsampling = TRUE;
    jpeg.info.do_block_smoothing = TRUE;
    jpeg.info.quantize_colors = FALSE;
    switch (jpeg.info.jpeg_color_space) {
        case JCS_GRAYSCALE:
            jpeg.info.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            jpeg.info.out_color_space = JCS_CMYK;
            break;
        default:
            jpeg.info.out_color_space = JCS_RGB;
            break;
    }
    jpeg_calc_output_dimensions(&jpeg.info);
    return true;
}

// Adobe's CMYK JPEGs store inverted values; others store them plainly.
void cmykRowToRgb(const unsigned char* cmyk, unsigned char* rgb, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int c = inverted ? cmyk[0] : 255 - cmyk[0];
        const int m = inverted ? cmyk[1] : 255 - cmyk[1];
        const int y = inverted ? cmyk[2] : 255 - cmyk[2];
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        rgb[0] = static_cast<unsigned char>(c * k / 255);
        rgb[1] = static_cast<unsigned char>(m * k / 255);
        rgb[2] = static_cast<unsigned char>(y * k / 255);
    }
}

// Decodes every scan line into `image`; `cmykRow` holds a CMYK line when
// the output is CMYK. Returns false when libjpeg failed.
bool readScanlines(JpegDecompressor& jpeg, QImage& image, std::vector<unsigned char>& cmykRow) {
    if (setjmp(jpeg.errors.recovery)) return false;
    jpeg_start_decompress(&jpeg.info);
    const bool cmyk = jpeg.info.out_color_space == JCS_CMYK;
    const bool inverted = jpeg.info.saw_Adobe_marker;
    while (jpeg.info.output_scanline < jpeg.info.output_height) {
        const int row = static_cast<int>(jpeg.info.output_scanline);
        JSAMPROW target = cmyk ? cmykRow.data() : image.scanLine(row);
        if (jpeg_read_scanlines(&jpeg.info, &target, 1) != 1) break;
        if (cmyk) cmykRowToRgb(cmykRow.data(), image.scanLine(row), image.width(), inverted);
    }
    jpeg_finish_decompress(&jpeg.info);
    return true;
}

// The profile's bytes, joined by libjpeg from its markers, into `profile`;
// false when libjpeg failed. What it allocated is the caller's to free.
bool readIccMarkers(JpegDecompressor& jpeg, JOCTET*& profile, unsigned int& length) {
    if (setjmp(jpeg.errors.recovery)) return false;
    if (!jpeg_read_icc_profile(&jpeg.info, &profile, &length)) profile = nullptr;
    return true;
}

// The colour space of the file's ICC profile, for RGB output only (a grey
// or CMYK profile does not describe the pixels we make); an invalid one
// when there is none or Qt cannot read it, and the pixels stay as stored.
QColorSpace embeddedColourSpace(JpegDecompressor& jpeg) {
    if (jpeg.info.out_color_space != JCS_RGB) return QColorSpace();
    JOCTET* profile = nullptr;
    unsigned int length = 0;
    const bool read = readIccMarkers(jpeg, profile, length);
    const std::unique_ptr<JOCTET, decltype(&std::free)> owned(profile, &std::free);
    if (!read || !profile) return QColorSpace();
    return QColorSpace::fromIccProfile(
        QByteArray::fromRawData(reinterpret_cast<const char*>(profile), qsizetype(length)));
}

QImage allocateOutput(const jpeg_decompress_struct& info) {
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    if (info.out_color_space == JCS_GRAYSCALE) {
        QImage image = AllocatePicture(width, height, QImage::Format_Indexed8);
        QList<QRgb> greys(256);
        for (int level = 0; level < 256; ++level) greys[level] = qRgb(level, level, level);
        image.setColorTable(greys);
        return image;
    }
    return AllocatePicture(width, height, QImage::Format_RGB888);
}

}  // namespace

ScaledJpeg DecodeJpegToCover(const QByteArray& data, QSize cover) {
    const Orientation orientation = JpegOrientation(data);
    JpegDecompressor jpeg;
    if (!create(jpeg) || !readHeader(jpeg, data, UprightSize(cover, orientation))) jpeg.fail();
    // The file's own size is what must stay within the limits, whatever is shown.
    CheckPictureSize(jpeg.info.image_width, jpeg.info.image_height);
    const QColorSpace colourSpace = embeddedColourSpace(jpeg);

    QImage image = allocateOutput(jpeg.info);
    // A scan cut short leaves the rest of the picture white.
    if (image.format() == QImage::Format_Indexed8)
        image.fill(255);  // white in the grey palette
    else
        image.fill(Qt::white);
    std::vector<unsigned char> cmykRow;
    if (jpeg.info.out_color_space == JCS_CMYK) cmykRow.resize(size_t(jpeg.info.output_width) * 4);

    if (!readScanlines(jpeg, image, cmykRow)) jpeg.fail();
    if (colourSpace.isValid()) image.setColorSpace(colourSpace);
    const QSize stored(int(jpeg.info.image_width), int(jpeg.info.image_height));
    return {Upright(std::move(image), orientation), UprightSize(stored, orientation)};
}

QColorSpace JpegColourSpace(const QByteArray& data) {
    JpegDecompressor jpeg;
    if (!create(jpeg) || !readHeader(jpeg, data, QSize())) jpeg.fail();
    return embeddedColourSpace(jpeg);
}

Orientation JpegOrientation(const QByteArray& data) {
    return ExifOrientation(JpegExif(data));
}

QSize JpegSize(const QByteArray& data) {
    JpegDecompressor jpeg;
    if (!create(jpeg) || !readHeader(jpeg, data, QSize())) jpeg.fail();
    return QSize(int(jpeg.info.image_width), int(jpeg.info.image_height));
}

QImage DecodeJpeg(const QByteArray& data) {
    return DecodeJpegToCover(data, QSize()).pixels;
}
