// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one place the cover value is built: from the windows' controls, the
// track editor's list and the cover state.

#include "render/cover_value.h"
#include "render/jewel_surfaces.h"

// The cover as it stands now. Raises the editor's "List index out of
// bounds" error when the track count reaches past its list.
CoverValue CurrentCover(CoverUse use = CoverUse::Screen);
// The same without the tracks, for drawing the pictures or outlines alone.
CoverValue CurrentLook(CoverUse use = CoverUse::Screen);

// The main window's jewel case surfaces.
JewelSurfaces WindowSurfaces();
