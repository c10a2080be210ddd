// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QWidget>

#include "render/cover_value.h"

// Shows the cover at hand, a kind other than the jewel case, scaled to fit
// the view, drawn afresh for every repaint so that it is sharp at any size.
class CaseView : public QWidget {
    Q_OBJECT
  public:
    // `cover` gives the cover to show at each repaint.
    CaseView(QWidget* parent, std::function<CoverValue()> cover);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<CoverValue()> cover_;
};
