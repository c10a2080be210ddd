// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How far a printer puts things off where they belong, made good: every
// position on the paper is drawn at offset + scale x position, measured from
// the paper's top-left corner. Kept per printer between runs; the entry
// without a printer's name serves PDF files, pictures and every printer
// that has none of its own.

#include <QString>

struct PrinterCalibration {
    double acrossMm = 0;  // positive: to the right
    double downMm = 0;    // positive: down
    double acrossScale = 1;
    double downScale = 1;
};
inline constexpr double MaxCalibrationMm = 10;
inline constexpr double MinCalibrationScale = 0.95;
inline constexpr double MaxCalibrationScale = 1.05;

PrinterCalibration LoadPrinterCalibration(const QString& printer = QString());
void SavePrinterCalibration(const PrinterCalibration& calibration,
                            const QString& printer = QString());

// Where the calibration page puts its crosses, in mm: two across from the
// paper's left edge, two down from its top edge; each cross stands on the
// line the other pair shares.
inline constexpr double CalibrationNominal[4] = {20, 190, 20, 270};

// The calibration that makes good a printer that put the marks meant for
// `first` and `second` (mm, across or down) at `firstMeasured` and
// `secondMeasured`: its offset and scale along that direction.
struct AxisCalibration {
    double offsetMm;
    double scale;
};
AxisCalibration CalibrationFromMeasured(double first, double firstMeasured, double second,
                                        double secondMeasured);
