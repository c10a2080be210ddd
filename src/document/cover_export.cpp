// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/cover_export.h"

#include <algorithm>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/output_file.h"
#include "app/program_windows.h"
#include "app/cover_state.h"
#include "cases/case_image.h"
#include "document/cover_transfer.h"
#include "print/print_job.h"
#include "render/measured_font.h"

namespace {

// Where the window shows the surfaces within the back strip: the spines lie
// over the back's first and last columns.
constexpr int BackInStrip = 21;
constexpr int RightSpineInStrip = 420;
constexpr int StripWidth = 442;
constexpr int GapBeforeFront = 20;

[[noreturn]] void cannotExport(const QString& path, const QString& why) {
    throw SleevixError(QCoreApplication::translate("Document", "Cannot export %1: %2")
                           .arg(QDir::toNativeSeparators(path), why));
}

// The scales the surfaces are drawn at: the shown ones, and the overlay
// the back picture is stretched on before it is cut into the strip.
struct DisplayScales {
    qreal shown;
    qreal overlay;
};

DisplayScales displayScales() {
    return {Form1->Image1.displayImage().devicePixelRatio(),
            Form1->Image5.displayImage().devicePixelRatio()};
}

void setDisplayScales(DisplayScales scales) {
    TForm1& window = *Form1;
    for (Canvas* surface : {&window.Image1, &window.Image2, &window.Image3, &window.Image4})
        surface->setDisplayScale(scales.shown);
    window.Image5.setDisplayScale(scales.overlay);
}

// The cover's size at scale 1: the back strip, the gap, the front; or the
// piece of another kind.
QSize coverSize() {
    if (CoverCase.kind != CaseKind::Jewel) return CaseImageSize();
    return QSize(StripWidth + GapBeforeFront + Form1->Image4.width(), Form1->Image1.height());
}

QImage composeStrips(int scale) {
    const TForm1& window = *Form1;
    const QSize size = coverSize();
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.setDotsPerMeterX(ScreenDotsPerMetre * scale);
    image.setDotsPerMeterY(ScreenDotsPerMetre * scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(QPoint(BackInStrip, 0), window.Image1.displayImage());
    painter.drawImage(QPoint(0, 0), window.Image2.displayImage());
    painter.drawImage(QPoint(RightSpineInStrip, 0), window.Image3.displayImage());
    painter.drawImage(QPoint(StripWidth + GapBeforeFront, 0), window.Image4.displayImage());
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

void ExportCoverPdf(const QString& path, PaperSize paper) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
    PrepareCoverPrint(printer);
    PrintCover(printer, QCoreApplication::translate("Document", "Cannot export %1: %2"));
}

QImage CoverImage(int scale) {
    if (CoverCase.kind != CaseKind::Jewel) return CaseImage(scale);
    const DisplayScales before = displayScales();
    const DisplayScales wanted{qreal(scale), qreal(scale)};
    if (before.shown == wanted.shown && before.overlay == wanted.overlay)
        return composeStrips(scale);
    setDisplayScales(wanted);
    RedrawCover();
    QImage image = composeStrips(scale);
    setDisplayScales(before);
    RedrawCover();
    return image;
}

void SetCoverDisplayScale(int scale) {
    setDisplayScales({qreal(scale), qreal(scale)});
}

void ExportCoverPng(const QString& path, int scale) {
    writePng(path, CoverImage(scale));
}

void ExportCoverThumbnail(const QString& path, int side) {
    const int longest = std::max(coverSize().width(), coverSize().height());
    const int scale = std::clamp((side + longest - 1) / longest, MinExportScale, MaxExportScale);
    const QImage drawn = CoverImage(scale);
    writePng(path, drawn.scaled(QSize(side, side), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

