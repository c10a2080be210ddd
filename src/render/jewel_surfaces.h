// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The jewel case's screen surfaces: the window's own, or an export's drawn
// at its own scale. The overlay is never shown: the back picture is
// stretched over it and cut into the spines and the tray card.

#include <QSize>

#include "render/cover_value.h"

class Canvas;

struct JewelSurfaces {
    Canvas& back;
    Canvas& leftSpine;
    Canvas& rightSpine;
    Canvas& front;
    Canvas& overlay;
};

JewelSurfaceStates DrawingStatesOf(const JewelSurfaces& surfaces);
void SetDrawingStates(JewelSurfaces& surfaces, const JewelSurfaceStates& states);

// The sizes of the window's surfaces, in screen pixels.
inline constexpr QSize JewelBackSize{400, 353};
inline constexpr QSize JewelSpineSize{22, 353};
inline constexpr QSize JewelFrontSize{361, 353};
inline constexpr QSize JewelOverlaySize{442, 353};
// The back strip as the window shows it and the overlay stands for it: the
// left spine from column 0, the tray card from 21 (its first and last
// columns lie under the spines), the right spine from 420.
inline constexpr int JewelStripWidth = JewelOverlaySize.width();
inline constexpr int JewelBackInStrip = 21;
inline constexpr int JewelRightSpineInStrip = JewelStripWidth - JewelSpineSize.width();
