// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/label_sheet_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr int DrawingHeight = 280;  // pixels for the sheet's long side
}  // namespace

// The sheet as it lies: the paper, and each disc with its hole.
class SheetDrawing : public QWidget {
  public:
    explicit SheetDrawing(QWidget* parent) : QWidget(parent) {
        setMinimumSize(DrawingHeight * 3 / 4, DrawingHeight);
    }
    void show(const LabelSheet* sheet) {
        sheet_ = sheet;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!sheet_) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QSizeF paper = QPageSize(sheet_->paper).size(QPageSize::Millimeter);
        const double scale = std::min((width() - 2) / paper.width(), (height() - 2) / paper.height());
        painter.translate((width() - paper.width() * scale) / 2, 1);
        painter.scale(scale, scale);
        painter.setPen(QPen(palette().windowText().color(), 0));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(QPointF(), paper));
        painter.setBrush(palette().highlight().color().lighter(170));
        for (const QPointF& centre : sheet_->discCentres) {
            QPainterPath disc;
            disc.addEllipse(centre, sheet_->outerDiameterMm / 2, sheet_->outerDiameterMm / 2);
            disc.addEllipse(centre, sheet_->holeDiameterMm / 2, sheet_->holeDiameterMm / 2);
            painter.drawPath(disc);
        }
    }

  private:
    const LabelSheet* sheet_ = nullptr;
};

LabelSheetDialog::LabelSheetDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Cases", "Label Sheet"));
    auto* grid = new QGridLayout(this);
    makers_ = new QComboBox(this);
    products_ = new QListWidget(this);
    drawing_ = new SheetDrawing(this);
    details_ = new QLabel(this);
    details_->setWordWrap(true);
    auto* makerLabel = new QLabel(QCoreApplication::translate("Cases", "&Maker:"), this);
    makerLabel->setBuddy(makers_);
    auto* productLabel = new QLabel(QCoreApplication::translate("Cases", "&Product:"), this);
    productLabel->setBuddy(products_);
    grid->addWidget(makerLabel, 0, 0);
    grid->addWidget(makers_, 1, 0);
    grid->addWidget(productLabel, 2, 0);
    grid->addWidget(products_, 3, 0);
    grid->addWidget(drawing_, 0, 1, 4, 1);
    grid->addWidget(details_, 4, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 5, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(products_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    for (const LabelSheet& sheet : LabelSheets()) {
        const QString maker = sheet.maker;
        if (makers_->findText(maker) < 0) makers_->addItem(maker);
    }
    connect(makers_, &QComboBox::currentTextChanged, this, [this](const QString& maker) { showMaker(maker); });
    connect(products_, &QListWidget::currentRowChanged, this, [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(sheet() != nullptr);
        showSheet();
    });
    showMaker(makers_->currentText());
}

void LabelSheetDialog::showMaker(const QString& maker) {
    products_->clear();
    for (const LabelSheet& sheet : LabelSheets()) {
        if (sheet.maker != maker) continue;
        auto* item = new QListWidgetItem(sheet.product, products_);
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<const void*>(&sheet)));
    }
    products_->setCurrentRow(0);
}

void LabelSheetDialog::showSheet() {
    const LabelSheet* chosen = sheet();
    drawing_->show(chosen);
    if (!chosen) return details_->clear();
    details_->setText(
        QCoreApplication::translate("Cases", "%1 paper, discs of %2 mm with a %3 mm hole, %n on a sheet. From: %4",
                                    nullptr, int(chosen->discCentres.size()))
            .arg(QPageSize(chosen->paper).name())
            .arg(chosen->outerDiameterMm)
            .arg(chosen->holeDiameterMm)
            .arg(chosen->source));
}

const LabelSheet* LabelSheetDialog::sheet() const {
    const QListWidgetItem* item = products_->currentItem();
    return item ? static_cast<const LabelSheet*>(item->data(Qt::UserRole).value<const void*>())
                : nullptr;
}

void LabelSheetDialog::setSheet(const LabelSheet* sheet) {
    if (!sheet) return;
    makers_->setCurrentText(sheet->maker);
    showMaker(makers_->currentText());
    const QList<QListWidgetItem*> found =
        products_->findItems(sheet->product, Qt::MatchExactly);
    if (!found.isEmpty()) products_->setCurrentItem(found.front());
}
