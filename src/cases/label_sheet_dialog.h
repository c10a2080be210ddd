// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "cases/label_sheets.h"

class QComboBox;
class QLabel;
class QListWidget;
class SheetDrawing;

// Picks a label sheet by maker and product, with a drawing of the sheet
// and where its figures come from.
class LabelSheetDialog : public QDialog {
  public:
    explicit LabelSheetDialog(QWidget* parent);

    // The sheet chosen; none until one is.
    const LabelSheet* sheet() const;
    void setSheet(const LabelSheet* sheet);

  private:
    void showMaker(const QString& maker);
    void showSheet();

    QComboBox* makers_;
    QListWidget* products_;
    SheetDrawing* drawing_;
    QLabel* details_;
};
