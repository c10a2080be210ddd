// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Shows the cover at hand, a kind other than the jewel case, scaled to fit
// the view, drawn afresh for every repaint so that it is sharp at any size.
class CaseView : public QWidget {
    Q_OBJECT
  public:
    explicit CaseView(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
