#include "pictures/picture_repaint.h"

#include "app/cover_state.h"

void RepaintPictures(PictureHalves) {
    // No picture can be chosen yet; loading and placing them arrives with
    // the "Image" command.
}
