// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The small pictures under the toolbar captions, drawn by the program itself.
enum class ToolbarPicture { EditTracks, FontTypeColor, Left, Center, Image, Print, Close, About };

// A normal and a disabled (greyed) look, at 1x and 2x.
QIcon ToolbarIcon(ToolbarPicture picture);
