// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QDialog>

#include "cases/printer_calibration.h"

class QComboBox;
class QDoubleSpinBox;

// Calibration: for each printer, how far to move and how much to scale
// everything it prints, across and down, to make good its own feed. The
// user prints a calibration page, measures where its crosses landed, and
// types that in, or types the corrections themselves.
class CalibrationDialog : public QDialog {
  public:
    // `printPage` prints the calibration page on the printer named.
    CalibrationDialog(QWidget* parent, std::function<void(const QString&)> printPage);

    // The printer shown (empty: every printer without its own entry).
    QString printer() const;
    void setPrinter(const QString& printer);
    PrinterCalibration calibration() const;
    void setCalibration(const PrinterCalibration& calibration);

  private:
    void takeMeasured();
    void showPrinter();

    QComboBox* printers_;
    QDoubleSpinBox* across_;
    QDoubleSpinBox* down_;
    QDoubleSpinBox* acrossScale_;
    QDoubleSpinBox* downScale_;
    QDoubleSpinBox* measured_[4];  // the crosses: left, right, top, bottom
};

