// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/printer_calibration.h"

#include <algorithm>
#include <cmath>

#include <QSettings>
#include <QUrl>

namespace {

// The entry for every printer keeps the keys it had when only label sheets
// were calibrated.
const char* const SharedGroup = "labelSheets";
const char* const AcrossKey = "calibrationAcrossMm";
const char* const DownKey = "calibrationDownMm";
const char* const AcrossScaleKey = "calibrationAcrossScale";
const char* const DownScaleKey = "calibrationDownScale";

// A printer's name may hold characters the settings file gives a meaning.
QString groupOf(const QString& printer) {
    if (printer.isEmpty()) return QLatin1String(SharedGroup);
    return QStringLiteral("printers/") + QString::fromLatin1(QUrl::toPercentEncoding(printer));
}

// A value edited by hand in the settings file stays within what the
// calibration dialog offers.
double bounded(const QVariant& value, double least, double most, double otherwise) {
    bool number = false;
    const double read = value.toDouble(&number);
    return number && std::isfinite(read) ? std::clamp(read, least, most) : otherwise;
}

}  // namespace

PrinterCalibration LoadPrinterCalibration(const QString& printer) {
    QSettings settings;
    settings.beginGroup(groupOf(printer));
    // A printer without an entry of its own takes the one for every printer.
    if (!printer.isEmpty() && !settings.contains(QLatin1String(AcrossKey)))
        return LoadPrinterCalibration();
    return {bounded(settings.value(QLatin1String(AcrossKey)), -MaxCalibrationMm, MaxCalibrationMm, 0),
            bounded(settings.value(QLatin1String(DownKey)), -MaxCalibrationMm, MaxCalibrationMm, 0),
            bounded(settings.value(QLatin1String(AcrossScaleKey)), MinCalibrationScale,
                    MaxCalibrationScale, 1),
            bounded(settings.value(QLatin1String(DownScaleKey)), MinCalibrationScale,
                    MaxCalibrationScale, 1)};
}

void SavePrinterCalibration(const PrinterCalibration& calibration, const QString& printer) {
    QSettings settings;
    settings.beginGroup(groupOf(printer));
    settings.setValue(QLatin1String(AcrossKey), calibration.acrossMm);
    settings.setValue(QLatin1String(DownKey), calibration.downMm);
    settings.setValue(QLatin1String(AcrossScaleKey), calibration.acrossScale);
    settings.setValue(QLatin1String(DownScaleKey), calibration.downScale);
}

AxisCalibration CalibrationFromMeasured(double first, double firstMeasured, double second,
                                        double secondMeasured) {
    // The printer put x at p + s x; drawing at (x - p) / s lands it at x.
    const double printerScale = (secondMeasured - firstMeasured) / (second - first);
    if (!(std::abs(printerScale) > 0)) return {0, 1};
    const double printerOffset = firstMeasured - printerScale * first;
    return {-printerOffset / printerScale, 1 / printerScale};
}
