// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The jewel case on its screen surfaces, drawn from a cover value alone: the
// window's surfaces and an export's at its own scale are drawn alike.

#include "render/cover_layout.h"
#include "render/cover_value.h"

struct JewelSurfaces;

// Draws the value's pictures: the back's over the overlay, then cut into the
// left spine, the right spine and the tray card; the front's over the front
// insert. A half without a chosen picture draws nothing.
void DrawJewelPictures(const CoverValue& cover, JewelSurfaces& surfaces, PictureHalves halves);

// Draws the whole cover, every surface from white: centred when the value
// says so ("Center"), flush left once committed ("Continue"), otherwise its
// pictures and outlines alone. The surfaces first take the value's drawing
// state, and keep what the render leaves; `fit` takes what it settles.
void DrawJewelScreen(const CoverValue& cover, JewelSurfaces& surfaces, JewelScreenFit& fit);
