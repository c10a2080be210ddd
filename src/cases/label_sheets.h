// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Disc labels print on plain paper, to be cut along the circle, or on label
// sheets with two discs at fixed places. The sheets are data: a further
// sheet is a row of the table in label_sheets.cpp.

#include <vector>

#include <QPageSize>
#include <QPointF>
#include <QString>

struct LabelSheet {
    const char* caption;  // as the menu shows it, untranslated
    QPageSize::PageSizeId paper;
    std::vector<QPointF> discCentres;  // mm from the sheet's top-left corner
};

const std::vector<LabelSheet>& LabelSheets();

// The sheet disc labels print on for the rest of the run; none (plain
// paper) unless chosen.
const LabelSheet* ChosenLabelSheet();
void ChooseLabelSheet(const LabelSheet* sheet);

// How far a printer puts the labels off the sheet's places, to be made
// good: mm across (to the right) and down. Kept between runs, and applied
// to label sheets only.
struct SheetCalibration {
    double acrossMm = 0;
    double downMm = 0;
};
inline constexpr double MaxCalibrationMm = 10;

SheetCalibration LoadSheetCalibration();
void SaveSheetCalibration(const SheetCalibration& calibration);
