// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cover_layout.h"

#include "render/canvas.h"

bool CanShrink(const Canvas& surface) {
    return surface.font.size > MinimumFontSize;
}

void ApplyChosenFont(Canvas& surface, const TextLook& look) {
    if (!look.typeface.isEmpty()) surface.font.name = look.typeface;
    surface.font.color = look.colour;
}
