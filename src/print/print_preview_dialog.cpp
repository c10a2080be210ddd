// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_preview_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "base/handler_guard.h"
#include "widgets/dialog_placement.h"

namespace {

// Large enough to read the track list of a page shown whole, and no more
// of the screen than this share of it, frame and panels included.
constexpr QSize PreviewSize(640, 760);
constexpr double MostOfScreen = 0.85;

}  // namespace

bool ScreenPrintPreviewDialog::Execute(QPrinter& printer, QWidget* parent,
                                       const std::function<void(QPrinter&)>& drawPage) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Printing", "Print Preview"));
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    preview->setZoomMode(QPrintPreviewWidget::FitInView);
    // The page is drawn while Qt lays the preview out: an error shows in the
    // error box instead of crossing the event loop.
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&drawPage](QPrinter* page) { RunHandler([&] { drawPage(*page); }); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons
        ->addButton(QCoreApplication::translate("Printing", "&Print..."),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(preview);
    layout->addWidget(buttons);
    // Sized once laid out, so that it is centred at the size it is shown.
    layout->activate();
    QSize size = PreviewSize;
    if (const QScreen* screen = parent ? parent->screen() : nullptr)
        size = size.boundedTo(screen->availableGeometry().size() * MostOfScreen);
    dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
    CentreOverOwner(dialog);
    return dialog.exec() == QDialog::Accepted;
}
