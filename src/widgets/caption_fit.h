// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Our typefaces run a little wider than the ones the layout was drawn for:
// a control whose caption would be cut keeps its place and grows to the
// right just enough to show it whole.
void WidenToShowCaption(QWidget& control);
