// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/calibration_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
constexpr double StepMm = 0.1;
constexpr double PercentPerScale = 100;
constexpr double PaperMm = 300;  // room for a measurement on any paper

QDoubleSpinBox* numberBox(QWidget* parent, double least, double most, const QString& suffix) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(least, most);
    box->setSingleStep(StepMm);
    box->setDecimals(1);
    box->setSuffix(suffix);
    return box;
}
}  // namespace

CalibrationDialog::CalibrationDialog(QWidget* parent,
                                     std::function<void(const QString&)> printPage)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Cases", "Calibration"));
    auto* form = new QFormLayout(this);
    auto* note = new QLabel(
        QCoreApplication::translate("Cases", "Print the calibration page, measure from the paper's left and top edges to the "
           "middle of each cross, and type what you measured; or type the corrections. "
           "Positive offsets move everything right and down."),
        this);
    note->setWordWrap(true);
    form->addRow(note);

    printers_ = new QComboBox(this);
    printers_->addItem(QCoreApplication::translate("Cases", "Every other printer, PDF and pictures"), QString());
    for (const QString& name : QPrinterInfo::availablePrinterNames()) printers_->addItem(name, name);
    form->addRow(QCoreApplication::translate("Cases", "&Printer:"), printers_);
    auto* print = new QPushButton(QCoreApplication::translate("Cases", "Print Calibration Pa&ge"), this);
    form->addRow(QString(), print);
    connect(print, &QPushButton::clicked, this, [this, printPage] { printPage(printer()); });

    auto* measured = new QGroupBox(QCoreApplication::translate("Cases", "Where the crosses landed"), this);
    auto* measuredForm = new QFormLayout(measured);
    const QString mm = QCoreApplication::translate("Cases", " mm");
    const char* labels[] = {QT_TRANSLATE_NOOP("Cases", "Cross at %1 mm &across:"),
                            QT_TRANSLATE_NOOP("Cases", "Cross at %1 mm ac&ross:"),
                            QT_TRANSLATE_NOOP("Cases", "Cross at %1 mm do&wn:"),
                            QT_TRANSLATE_NOOP("Cases", "Cross at %1 mm dow&n:")};
    for (int i = 0; i < 4; ++i) {
        measured_[i] = numberBox(measured, 0, PaperMm, mm);
        measuredForm->addRow(QCoreApplication::translate("Cases", labels[i]).arg(CalibrationNominal[i]), measured_[i]);
        connect(measured_[i], &QDoubleSpinBox::valueChanged, this, [this] { takeMeasured(); });
    }
    form->addRow(measured);

    across_ = numberBox(this, -MaxCalibrationMm, MaxCalibrationMm, mm);
    down_ = numberBox(this, -MaxCalibrationMm, MaxCalibrationMm, mm);
    const QString percent = QCoreApplication::translate("Cases", " %");
    acrossScale_ = numberBox(this, MinCalibrationScale * PercentPerScale,
                             MaxCalibrationScale * PercentPerScale, percent);
    downScale_ = numberBox(this, MinCalibrationScale * PercentPerScale,
                           MaxCalibrationScale * PercentPerScale, percent);
    for (QDoubleSpinBox* scale : {acrossScale_, downScale_}) scale->setDecimals(2);
    form->addRow(QCoreApplication::translate("Cases", "&Offset across:"), across_);
    form->addRow(QCoreApplication::translate("Cases", "Offset &down:"), down_);
    form->addRow(QCoreApplication::translate("Cases", "&Scale across:"), acrossScale_);
    form->addRow(QCoreApplication::translate("Cases", "Sca&le down:"), downScale_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    connect(printers_, &QComboBox::currentIndexChanged, this, [this] { showPrinter(); });
    showPrinter();
}

void CalibrationDialog::showPrinter() {
    // The crosses are measured anew for each printer.
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(measured_[i]);
        measured_[i]->setValue(CalibrationNominal[i]);
    }
    setCalibration(LoadPrinterCalibration(printer()));
}

void CalibrationDialog::takeMeasured() {
    const AxisCalibration across =
        CalibrationFromMeasured(CalibrationNominal[0], measured_[0]->value(),
                                CalibrationNominal[1], measured_[1]->value());
    const AxisCalibration down =
        CalibrationFromMeasured(CalibrationNominal[2], measured_[2]->value(),
                                CalibrationNominal[3], measured_[3]->value());
    setCalibration({across.offsetMm, down.offsetMm, across.scale, down.scale});
}

QString CalibrationDialog::printer() const {
    return printers_->currentData().toString();
}

void CalibrationDialog::setPrinter(const QString& printer) {
    const int index = printers_->findData(printer);
    if (index >= 0) printers_->setCurrentIndex(index);
}

PrinterCalibration CalibrationDialog::calibration() const {
    return {across_->value(), down_->value(), acrossScale_->value() / PercentPerScale,
            downScale_->value() / PercentPerScale};
}

void CalibrationDialog::setCalibration(const PrinterCalibration& calibration) {
    across_->setValue(calibration.acrossMm);
    down_->setValue(calibration.downMm);
    acrossScale_->setValue(calibration.acrossScale * PercentPerScale);
    downScale_->setValue(calibration.downScale * PercentPerScale);
}
