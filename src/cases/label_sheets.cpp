// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/label_sheets.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const std::vector<LabelSheet> Sheets = {
#include "cases/label_sheet_table.inc"
};

const LabelSheet* chosen = nullptr;

const char* const ChosenKey = "labelSheets/chosen";
}  // namespace

const std::vector<LabelSheet>& LabelSheets() {
    return Sheets;
}

QString LabelSheetName(const LabelSheet& sheet) {
    return QString::fromUtf8(sheet.maker) + QLatin1Char(' ') + QString::fromUtf8(sheet.product);
}

const LabelSheet* LabelSheetNamed(const QString& name) {
    const QString wanted = name.simplified();
    for (const LabelSheet& sheet : Sheets)
        if (LabelSheetName(sheet).compare(wanted, Qt::CaseInsensitive) == 0) return &sheet;
    return nullptr;
}

const LabelSheet* ChosenLabelSheet() {
    return chosen;
}

void UseLabelSheet(const LabelSheet* sheet) {
    chosen = sheet;
}

void ChooseLabelSheet(const LabelSheet* sheet) {
    chosen = sheet;
    QSettings().setValue(QLatin1String(ChosenKey), sheet ? LabelSheetName(*sheet) : QString());
}

void RestoreChosenLabelSheet() {
    chosen = LabelSheetNamed(QSettings().value(QLatin1String(ChosenKey)).toString());
}
