// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A toolbar button with its caption on top and a small picture below it. An
// "&" in the caption marks its access letter, as for any button.
class CaptionedButton : public QPushButton {
    Q_OBJECT
  public:
    CaptionedButton(const QString& caption, const QIcon& picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
