// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "cases/case_kind.h"

class QWidget;

// Asked by File > New: the kind of the new cover. Owned by the main window
// like its other dialogs; tests put a scripted one in its place.
class CaseKindQuestion {
  public:
    virtual ~CaseKindQuestion() = default;
    // The kind chosen, the jewel case offered first; none when cancelled.
    virtual std::optional<CaseKind> Ask(QWidget* parent) = 0;
};

class ScreenCaseKindQuestion : public CaseKindQuestion {
  public:
    std::optional<CaseKind> Ask(QWidget* parent) override;
};
