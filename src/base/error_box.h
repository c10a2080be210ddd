// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QString>

#include "base/sleevix_error.h"

// The text the error box shows for an error message: a full stop is appended
// when the last character sorts after the full stop.
QString ErrorBoxText(const QString& message);

// The program-wide error box: caption "Sleevix v2.0", error icon, OK.
class ErrorBox {
  public:
    virtual ~ErrorBox() = default;
    // Shows ErrorBoxText(message) and waits for OK.
    virtual void Show(const QString& message) = 0;
};

// A message box on the screen.
class ScreenErrorBox : public ErrorBox {
  public:
    void Show(const QString& message) override;
};

ErrorBox& ApplicationErrorBox();
// Replaces the program-wide error box (tests script it); returns the old one.
std::unique_ptr<ErrorBox> SetApplicationErrorBox(std::unique_ptr<ErrorBox> box);
