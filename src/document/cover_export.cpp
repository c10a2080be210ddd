// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/cover_export.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/program_windows.h"
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
    throw SleevixError(
        QStringLiteral("Cannot export %1: %2").arg(QDir::toNativeSeparators(path), why));
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

QImage composeStrips(int scale) {
    const TForm1& window = *Form1;
    const QSize size(StripWidth + GapBeforeFront + window.Image4.width(), window.Image1.height());
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

// A temporary file is private to its owner; the export takes the
// permissions of the file it replaces, or those of any new file.
void takeUsualPermissions(const QString& partial, const QString& target) {
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(QFile::encodeName(partial).constData(), mode);
}

}  // namespace

void ExportCoverPdf(const QString& path, PaperSize paper) {
    // Written beside the target and renamed over it at the end, so a failed
    // export leaves an older file whole.
    QTemporaryFile partial(QFileInfo(path).absolutePath() + QStringLiteral("/.sleevix-XXXXXX.pdf"));
    if (!partial.open()) cannotExport(path, partial.errorString());
    partial.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partial.fileName());
    printer.setPageSize(QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4));
    PrepareCoverPrint(printer);
    PrintCover(printer);

    takeUsualPermissions(partial.fileName(), path);
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        cannotExport(path, QString::fromLocal8Bit(std::strerror(errno)));
    partial.setAutoRemove(false);
}

QImage CoverImage(int scale) {
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
    const QImage image = CoverImage(scale);
    QSaveFile file(path);
    // Unbuffered, so that a write falling short is seen (see SaveCoverFile).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        cannotExport(path, file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) cannotExport(path, writer.errorString());
    if (!file.commit()) cannotExport(path, file.errorString());
}
