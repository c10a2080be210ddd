// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/label_sheets.h"

#include <algorithm>

#include "cases/label_templates.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const std::vector<LabelSheet> TableSheets = {
#include "cases/label_sheet_table.inc"
};

// The table's sheets, then each installed template's that none of them
// names.
std::vector<LabelSheet> allSheets() {
    std::vector<LabelSheet> sheets = TableSheets;
    for (LabelSheet& installed : InstalledTemplateSheets()) {
        const bool known = std::any_of(sheets.begin(), sheets.end(), [&](const LabelSheet& sheet) {
            return LabelSheetName(sheet).compare(LabelSheetName(installed), Qt::CaseInsensitive) == 0;
        });
        if (!known) sheets.push_back(std::move(installed));
    }
    return sheets;
}

const std::vector<LabelSheet>& sheets() {
    static const std::vector<LabelSheet> all = allSheets();
    return all;
}

const LabelSheet* chosen = nullptr;

const char* const ChosenKey = "labelSheets/chosen";
}  // namespace

const std::vector<LabelSheet>& LabelSheets() {
    return sheets();
}

QString LabelSheetName(const LabelSheet& sheet) {
    return sheet.maker + QLatin1Char(' ') + sheet.product;
}

const LabelSheet* LabelSheetNamed(const QString& name) {
    const QString wanted = name.simplified();
    for (const LabelSheet& sheet : sheets())
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
