// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/label_sheets.h"

#include <algorithm>

#include <QCoreApplication>
#include <QSettings>

namespace {

// Two 117 mm discs, one above the other, centred across the sheet.
const std::vector<LabelSheet> Sheets = {
    {QT_TRANSLATE_NOOP("Cases", "A4 label sheet (two discs)"), QPageSize::A4, {{105, 77.5}, {105, 219.5}}},
    {QT_TRANSLATE_NOOP("Cases", "Letter label sheet (two discs)"), QPageSize::Letter, {{107.95, 72}, {107.95, 207.4}}},
};

const LabelSheet* chosen = nullptr;

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

const LabelSheet* ChosenLabelSheet() {
    return chosen;
}

void ChooseLabelSheet(const LabelSheet* sheet) {
    chosen = sheet;
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
