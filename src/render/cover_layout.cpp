// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/cover_layout.h"

#include "app/program_windows.h"
#include "render/canvas.h"
#include "tracks/track_editor.h"

bool CanShrink(const Canvas& surface) {
    return surface.font.size > MinimumFontSize;
}

QString TrackLine(int index) {
    return Form2->trackEntry(index);
}

void ApplyChosenFont(Canvas& surface, const QString& name, const QColor& colour) {
    if (!name.isEmpty()) surface.font.name = name;
    surface.font.color = colour;
}
