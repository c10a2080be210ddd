// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/jewel_surfaces.h"

#include "render/canvas.h"

namespace {

SurfaceDrawingState stateOf(const Canvas& surface) {
    return {surface.font, surface.pen, surface.brushStyle};
}

void setState(Canvas& surface, const SurfaceDrawingState& state) {
    surface.font = state.font;
    surface.pen = state.pen;
    surface.brushStyle = state.brush;
}

}  // namespace

JewelSurfaceStates DrawingStatesOf(const JewelSurfaces& surfaces) {
    return {stateOf(surfaces.back), stateOf(surfaces.leftSpine), stateOf(surfaces.rightSpine),
            stateOf(surfaces.front), stateOf(surfaces.overlay)};
}

void SetDrawingStates(JewelSurfaces& surfaces, const JewelSurfaceStates& states) {
    setState(surfaces.back, states.back);
    setState(surfaces.leftSpine, states.leftSpine);
    setState(surfaces.rightSpine, states.rightSpine);
    setState(surfaces.front, states.front);
    setState(surfaces.overlay, states.overlay);
}
