// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/label_sheets.h"

#include <mutex>

#include "cases/label_templates.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const LabelSheet* named(const std::deque<LabelSheet>& sheets, const QString& name) {
    const QString wanted = name.simplified();
    for (const LabelSheet& sheet : sheets)
        if (LabelSheetName(sheet).compare(wanted, Qt::CaseInsensitive) == 0) return &sheet;
    return nullptr;
}

// The table's sheets; a deque, so that the installed templates' sheets
// join them later without moving them.
std::deque<LabelSheet>& known() {
    static std::deque<LabelSheet> sheets = {
#include "cases/label_sheet_table.inc"
    };
    return sheets;
}

// Each installed template's sheet that the table does not name joins it,
// the first time the whole list is asked for rather than at every start.
const std::deque<LabelSheet>& withInstalled() {
    static std::once_flag read;
    std::call_once(read, [] {
        for (LabelSheet& installed : InstalledTemplateSheets())
            if (!named(known(), LabelSheetName(installed))) known().push_back(std::move(installed));
    });
    return known();
}

const LabelSheet* chosen = nullptr;

const char* const ChosenKey = "labelSheets/chosen";
}  // namespace

const std::deque<LabelSheet>& LabelSheets() {
    return withInstalled();
}

QString LabelSheetName(const LabelSheet& sheet) {
    return sheet.maker + QLatin1Char(' ') + sheet.product;
}

const LabelSheet* LabelSheetNamed(const QString& name) {
    if (name.simplified().isEmpty()) return nullptr;  // plain paper, kept as no name
    if (const LabelSheet* inTable = named(known(), name)) return inTable;
    return named(withInstalled(), name);
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
