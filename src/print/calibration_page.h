// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPainter;

// Draws the calibration page with the painter's origin at the paper's
// corner: a cross at each place the calibration dialog asks about, with
// rulers between them, uncalibrated.
void DrawCalibrationPage(QPainter& painter, int dotsPerInch, const QString& printer);

// Prints it on the printer named (empty: the default one); raises an error
// the user can act on.
void PrintCalibrationPage(const QString& printer);
