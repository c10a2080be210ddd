// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/cover_export.h"

#include <algorithm>
#include <exception>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>

#include "base/handler_guard.h"
#include "base/output_file.h"
#include "base/sleevix_error.h"
#include "pictures/picture_reads.h"
#include "print/print_job.h"
#include "render/canvas.h"
#include "render/case_image.h"
#include "render/jewel_screen.h"
#include "render/jewel_surfaces.h"
#include "render/measured_font.h"

namespace {

// The space the window leaves between the back strip and the front.
constexpr int GapBeforeFront = 20;

[[noreturn]] void cannotExport(const QString& path, const QString& why) {
    throw SleevixError(QCoreApplication::translate("Document", "Cannot export %1: %2")
                           .arg(QDir::toNativeSeparators(path), why));
}

// The cover's size at scale 1: the back strip, the gap, the front; or the
// piece of another kind.
QSize coverSize(const CoverValue& cover) {
    if (cover.kind.kind != CaseKind::Jewel) return CaseImageSize(cover);
    return QSize(JewelStripWidth + GapBeforeFront + JewelFrontSize.width(), JewelBackSize.height());
}

// The jewel case's own surfaces at `scale` device pixels per pixel.
struct ExportSurfaces {
    explicit ExportSurfaces(int scale) {
        for (Canvas* surface : {&back, &leftSpine, &rightSpine, &front, &overlay})
            surface->setDisplayScale(scale);
    }
    JewelSurfaces all() { return {back, leftSpine, rightSpine, front, overlay}; }

    Canvas back{JewelBackSize.width(), JewelBackSize.height()};
    Canvas leftSpine{JewelSpineSize.width(), JewelSpineSize.height()};
    Canvas rightSpine{JewelSpineSize.width(), JewelSpineSize.height()};
    Canvas front{JewelFrontSize.width(), JewelFrontSize.height()};
    Canvas overlay{JewelOverlaySize.width(), JewelOverlaySize.height()};
};

// What exports read last: an export at a scale the window does not show
// reads each picture file again, but decodes bytes it has decoded for that
// size once (exports of one cover, the thumbnails of a file manager).
constexpr std::size_t RememberedExportReads = 4;
RememberedPictureReads exportReads(RememberedExportReads);

// A picture read for `cover` device pixels, as the screen reads it; one
// held in memory, or read for those pixels already, is drawn as it is. A
// file that no longer reads is said as a repaint says it, and the export
// goes on without it.
PictureBitmap pictureAt(const CoverPicture& picture, QSize cover) {
    if (picture.path.isEmpty() || cover == picture.shownFor) return picture.shown;
    try {
        return exportReads.read(picture.path, cover);
    } catch (const SleevixError&) {
        const std::exception_ptr failure = std::current_exception();
        RunHandler([&] { std::rethrow_exception(failure); });
        return PictureBitmap();
    }
}

// Each picture read for the pixels the window's surfaces show it in at the
// export's scale, so that a larger export is sharp.
CoverValue withPicturesFor(CoverValue cover, int scale) {
    if (cover.backPicture.chosen)
        cover.backPicture.shown = pictureAt(cover.backPicture, JewelOverlaySize * scale);
    if (cover.frontPicture.chosen)
        cover.frontPicture.shown = pictureAt(cover.frontPicture, JewelFrontSize * scale);
    return cover;
}

QImage jewelImage(const CoverValue& shown, int scale) {
    ExportSurfaces surfaces(scale);
    const CoverValue cover = withPicturesFor(shown, scale);
    JewelSurfaces drawn = surfaces.all();
    JewelScreenFit fit;
    DrawJewelScreen(cover, drawn, fit);

    QImage image(coverSize(cover) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.setDotsPerMeterX(ScreenDotsPerMetre * scale);
    image.setDotsPerMeterY(ScreenDotsPerMetre * scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(QPoint(JewelBackInStrip, 0), surfaces.back.displayImage());
    painter.drawImage(QPoint(0, 0), surfaces.leftSpine.displayImage());
    painter.drawImage(QPoint(JewelRightSpineInStrip, 0), surfaces.rightSpine.displayImage());
    painter.drawImage(QPoint(JewelStripWidth + GapBeforeFront, 0), surfaces.front.displayImage());
    painter.end();
    image.setDevicePixelRatio(1);
    return image;
}

// Writes the image as a PNG file at `path`, replacing it whole.
void writePng(const QString& path, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) cannotExport(path, writer.errorString());
    OutputFile output(path, QCoreApplication::translate("Document", "Cannot export %1: %2"));
    output.write(png);
    output.commit();
}

}  // namespace

void ExportCoverPdf(const QString& path, PaperSize paper, const CoverValue& cover) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
    PrepareCoverPrint(printer, cover);
    PrintCover(printer, cover, QCoreApplication::translate("Document", "Cannot export %1: %2"));
}

QImage CoverImage(const CoverValue& cover, int scale) {
    if (cover.kind.kind != CaseKind::Jewel)
        return CaseImage(withPicturesFor(cover, scale), scale);
    return jewelImage(cover, scale);
}

void ExportCoverPng(const QString& path, int scale, const CoverValue& cover) {
    writePng(path, CoverImage(cover, scale));
}

void ExportCoverThumbnail(const QString& path, int side, const CoverValue& cover) {
    const QSize size = coverSize(cover);
    const int longest = std::max(size.width(), size.height());
    const int scale = std::clamp((side + longest - 1) / longest, MinExportScale, MaxExportScale);
    const QImage drawn = CoverImage(cover, scale);
    writePng(path, drawn.scaled(QSize(side, side), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
