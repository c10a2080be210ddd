// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "cases/label_sheets.h"

class QDoubleSpinBox;

// Label sheet calibration: how far to move every disc on a label sheet,
// across and down, to make good a printer's own offset.
class CalibrationDialog : public QDialog {
  public:
    explicit CalibrationDialog(QWidget* parent);

    SheetCalibration calibration() const;
    void setCalibration(const SheetCalibration& calibration);

  private:
    QDoubleSpinBox* across_;
    QDoubleSpinBox* down_;
};
