// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A disc label's texts as printed discs carry them: the artist along the
// top arc reading clockwise, the title along the bottom arc reading upright,
// each fitted to the ring's outer band, and the track list in the ring,
// beside the hole or below it, whichever gives the larger size, each line
// as wide as the ring allows at its height.

#include "cases/case_shapes.h"
#include "render/case_render.h"

class Canvas;
class QPainter;

// Draws them with the canvas's painter, in tenths of a millimetre from the
// label's square's corner.
CaseFit DrawDiscTexts(QPainter& painter, Canvas& canvas, const DiscRing& ring,
                      const CaseTexts& texts);
