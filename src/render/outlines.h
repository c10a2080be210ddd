// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The guide lines: where to fold (the spines' junctions with the back) and
// where to cut (the outer edges of the back and of the front insert).

#include <QFlags>

struct GuideSwitches;
struct JewelSurfaces;

enum class OutlineGroup { FoldLines = 1, BackOutline = 2, FrontOutline = 4 };
Q_DECLARE_FLAGS(OutlineGroups, OutlineGroup)
Q_DECLARE_OPERATORS_FOR_FLAGS(OutlineGroups)

inline constexpr OutlineGroups AllOutlineGroups =
    OutlineGroups(OutlineGroup::FoldLines) | OutlineGroup::BackOutline | OutlineGroup::FrontOutline;

// Draws those of the groups whose switch is on, in the switches' colour, in
// the order fold lines, back outline, front outline. Only draws, never erases.
void DrawOutlines(const GuideSwitches& guides, JewelSurfaces& surfaces, OutlineGroups groups);
