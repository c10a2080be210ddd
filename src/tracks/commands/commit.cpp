// SPDX-License-Identifier: GPL-3.0-or-later
// "Continue": carries the editor's texts onto the cover, lays it out flush
// left and closes the editor.

#include "app/cover_operations.h"
#include "tracks/track_editor.h"

void TForm2::Button1Click() {
    CommitEditor();
}
