// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/label_sheets.h"

#include <algorithm>

#include <QCoreApplication>
#include <QSettings>

namespace {

const std::vector<LabelSheet> Sheets = {
#include "cases/label_sheet_table.inc"
};

const LabelSheet* chosen = nullptr;

const char* const ChosenKey = "labelSheets/chosen";
const char* const AcrossKey = "labelSheets/calibrationAcrossMm";
const char* const DownKey = "labelSheets/calibrationDownMm";

// A value edited by hand in the settings file stays within what the
// calibration dialog offers.
double bounded(const QVariant& value) {
    bool number = false;
    const double mm = value.toDouble(&number);
    return number ? std::clamp(mm, -MaxCalibrationMm, MaxCalibrationMm) : 0;
}

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

SheetCalibration LoadSheetCalibration() {
    const QSettings settings;
    return {bounded(settings.value(QLatin1String(AcrossKey), 0)),
            bounded(settings.value(QLatin1String(DownKey), 0))};
}

void SaveSheetCalibration(const SheetCalibration& calibration) {
    QSettings settings;
    settings.setValue(QLatin1String(AcrossKey), calibration.acrossMm);
    settings.setValue(QLatin1String(DownKey), calibration.downMm);
}
