// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform_seams.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QPrintDialog>
#include <QUrl>

#include "app/error_box.h"

namespace {
constexpr int DefaultFontPoints = 8;
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

bool ScreenPrintDialog::Execute(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void DesktopWebBrowser::Open(const QString& address) {
    if (!QDesktopServices::openUrl(QUrl(address)))
        throw SleevixError(QStringLiteral("Cannot open %1").arg(address));
}
