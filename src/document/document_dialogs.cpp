// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include "base/application_title.h"
#include "widgets/access_letters.h"
#include "widgets/dialog_placement.h"

namespace {

// Qt's own dialog everywhere, as for pictures: it behaves alike on every
// desktop and can carry the export's options.
void setUpFileDialog(QFileDialog& dialog, const QString& filter, const QString& defaultExt,
                     const QString& fileName) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    CentreOverOwner(dialog);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(defaultExt);
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
}

bool runFileDialog(QFileDialog& dialog, QString& fileName) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}

// A labelled option under the file dialog's name and type rows.
void addOption(QFileDialog& dialog, const QString& label, QWidget* option) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    const int row = grid->rowCount();
    auto* caption = new QLabel(label, &dialog);
    caption->setBuddy(option);
    grid->addWidget(caption, row, 0);
    grid->addWidget(option, row, 1);
}

}  // namespace

bool ScreenOpenDocumentDialog::Execute(QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("DocumentDialogs", "Open"));
    setUpFileDialog(dialog, Filter, DefaultExt, FileName);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, FileName);
}

bool ScreenSaveDocumentDialog::Execute(QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("DocumentDialogs", "Save As"));
    setUpFileDialog(dialog, Filter, DefaultExt, FileName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return runFileDialog(dialog, FileName);
}

bool ScreenExportDialog::Execute(ExportKind kind, QWidget* parent) {
    const bool pdf = kind != ExportKind::Png;
    QFileDialog dialog(parent, kind == ExportKind::PrintShop
                                   ? QCoreApplication::translate("DocumentDialogs",
                                                                 "Export for Print Shop")
                               : pdf ? QCoreApplication::translate("DocumentDialogs", "Export as PDF")
                                     : QCoreApplication::translate("DocumentDialogs", "Export as PNG"));
    setUpFileDialog(dialog,
                    pdf ? QCoreApplication::translate("DocumentDialogs", "PDF documents (*.pdf)")
                        : QCoreApplication::translate("DocumentDialogs", "PNG pictures (*.png)"),
                    pdf ? QStringLiteral("pdf") : QStringLiteral("png"), FileName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);

    // Only the export's own option is made: any other child of the dialog
    // would stand at its top-left corner, over "Look in:".
    QComboBox* paper = nullptr;
    QSpinBox* scale = nullptr;
    QDoubleSpinBox* bleed = nullptr;
    if (kind == ExportKind::PrintShop) {
        bleed = new QDoubleSpinBox(&dialog);
        bleed->setRange(0, MaxBleedMm);
        bleed->setDecimals(1);
        bleed->setSuffix(QCoreApplication::translate("DocumentDialogs", " mm"));
        bleed->setValue(Bleed);
        addOption(dialog, QCoreApplication::translate("DocumentDialogs", "&Bleed:"), bleed);
    } else if (pdf) {
        paper = new QComboBox(&dialog);
        paper->addItem(QStringLiteral("A4"));
        paper->addItem(QCoreApplication::translate("DocumentDialogs", "US Letter"));
        paper->setCurrentIndex(Paper == PaperSize::Letter ? 1 : 0);
        addOption(dialog, QCoreApplication::translate("DocumentDialogs", "&Paper:"), paper);
    } else {
        scale = new QSpinBox(&dialog);
        scale->setRange(MinExportScale, MaxExportScale);
        scale->setSuffix(QStringLiteral("x"));
        scale->setValue(Scale);
        addOption(dialog, QCoreApplication::translate("DocumentDialogs", "S&cale:"), scale);
    }

    if (!runFileDialog(dialog, FileName)) return false;
    if (paper) Paper = paper->currentIndex() == 1 ? PaperSize::Letter : PaperSize::A4;
    if (scale) Scale = scale->value();
    if (bleed) Bleed = bleed->value();
    return true;
}

SaveChangesQuestion::Answer ScreenSaveChangesQuestion::Ask(const QString& documentName,
                                                           QWidget* parent) {
    const QString question =
        documentName.isEmpty()
            ? QCoreApplication::translate("DocumentDialogs", "Save the changes to this cover?")
            : QCoreApplication::translate("DocumentDialogs", "Save the changes to %1?")
                  .arg(documentName);
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(ApplicationTitle), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QCoreApplication::translate(
        "DocumentDialogs", "Your changes are lost if you don't save them."));
    box.setDefaultButton(QMessageBox::Save);
    AddMissingAccessLetters(box);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
    }
}
