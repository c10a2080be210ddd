// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/platform_seams.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "base/sleevix_error.h"
#include "widgets/dialog_placement.h"

namespace {
constexpr int DefaultFontPoints = 8;
const QString PdfSuffix = QStringLiteral(".pdf");
}

QFont FontDialog::DefaultFont() {
    QFont font(QStringLiteral("arial"));
    font.setPointSize(DefaultFontPoints);
    return font;
}

bool ScreenColorDialog::Execute(QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(Color, parent);
    if (!chosen.isValid()) return false;
    Color = chosen;
    return true;
}

void ScreenPrintDialog::OfferLastChoice(QPrinter& printer) {
    if (!fileFolder_.isEmpty()) {
        // A new file, named for this job, beside the last one.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(fileFolder_).filePath(printer.docName() + PdfSuffix));
    } else if (!printerName_.isEmpty()) {
        printer.setPrinterName(printerName_);
    }
}

bool ScreenPrintDialog::Execute(QPrinter& printer, QWidget* parent) {
    OfferLastChoice(printer);
    QPrintDialog dialog(&printer, parent);
    CentreOverOwner(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    fileFolder_ = toFile ? QFileInfo(printer.outputFileName()).absolutePath() : QString();
    printerName_ = toFile ? QString() : printer.printerName();
    return true;
}

void DesktopWebBrowser::Open(const QString& address) {
    if (!QDesktopServices::openUrl(QUrl(address)))
        throw SleevixError(QCoreApplication::translate("Errors", "Cannot open %1").arg(address));
}
