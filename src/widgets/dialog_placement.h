// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows the dialog, whenever it is shown, centred over the window it belongs
// to (its parent's window), frames included, as far as the screen allows.
// Qt's own placement centres the client areas and guesses the frames, which
// puts a dialog with a title bar higher than the window's middle.
void CentreOverOwner(QWidget& dialog);
