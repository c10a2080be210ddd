// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDropEvent;

// Takes a drop from elsewhere as a copy, or else as a link, never as a move:
// the program only reads what is dropped, and a file manager that honours
// "move" would delete or move the user's original. A source that offers
// neither is refused.
void AcceptAsCopy(QDropEvent* event);
