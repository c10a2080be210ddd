// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include "base/application_title.h"

namespace {
std::unique_ptr<ErrorBox>& errorBoxSlot() {
    static std::unique_ptr<ErrorBox> box = std::make_unique<ScreenErrorBox>();
    return box;
}
}  // namespace

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void ScreenErrorBox::Show(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(ApplicationTitle),
                    ErrorBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

ErrorBox& ApplicationErrorBox() {
    return *errorBoxSlot();
}

std::unique_ptr<ErrorBox> SetApplicationErrorBox(std::unique_ptr<ErrorBox> box) {
    std::swap(errorBoxSlot(), box);
    return box;
}
