// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_preview_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_placement.h"
#include "app/handler_guard.h"

namespace {

// Large enough to read the track list of a page shown whole.
constexpr QSize PreviewSize(640, 760);

}  // namespace

bool ScreenPrintPreviewDialog::Execute(QPrinter& printer, QWidget* parent,
                                       const std::function<void(QPrinter&)>& drawPage) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    dialog.resize(PreviewSize);
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    preview->setZoomMode(QPrintPreviewWidget::FitInView);
    // The page is drawn while Qt lays the preview out: an error shows in the
    // error box instead of crossing the event loop.
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&drawPage](QPrinter* page) { RunHandler([&] { drawPage(*page); }); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(preview);
    layout->addWidget(buttons);
    CentreOverOwner(dialog);
    return dialog.exec() == QDialog::Accepted;
}
