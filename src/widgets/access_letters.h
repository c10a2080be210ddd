// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives each button of the dialog that has no access letter one of its own:
// the first letter of a word of its caption, else any letter of it, that no
// other control of the dialog stands for. The toolkit's standard buttons
// (Save, Discard, Cancel, OK) come without one in most languages. Call it
// once the dialog has all its buttons.
void AddMissingAccessLetters(QWidget& dialog);
