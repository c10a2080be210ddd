// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/calibration_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>

namespace {
constexpr double StepMm = 0.1;

QDoubleSpinBox* offsetBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(-MaxCalibrationMm, MaxCalibrationMm);
    box->setSingleStep(StepMm);
    box->setDecimals(1);
    box->setSuffix(QCoreApplication::translate("Cases", " mm"));
    return box;
}
}  // namespace

CalibrationDialog::CalibrationDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Cases", "Label Sheet Calibration"));
    auto* form = new QFormLayout(this);
    auto* note = new QLabel(
        QCoreApplication::translate("Cases",
                                    "Print a label sheet on plain paper, lay it over a sheet and "
                                    "measure how far the discs stand from the labels. Positive "
                                    "values move the discs right and down."),
        this);
    note->setWordWrap(true);
    form->addRow(note);
    across_ = offsetBox(this);
    down_ = offsetBox(this);
    form->addRow(QCoreApplication::translate("Cases", "&Across:"), across_);
    form->addRow(QCoreApplication::translate("Cases", "&Down:"), down_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

SheetCalibration CalibrationDialog::calibration() const {
    return {across_->value(), down_->value()};
}

void CalibrationDialog::setCalibration(const SheetCalibration& calibration) {
    across_->setValue(calibration.acrossMm);
    down_->setValue(calibration.downMm);
}
