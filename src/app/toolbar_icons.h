// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The small pictures under the toolbar captions.
enum class ToolbarPicture { EditTracks, FontTypeColor, Left, Center, Image, Print, Close, About };

// The picture as a scalable icon; Qt's style derives its disabled look.
QIcon ToolbarIcon(ToolbarPicture picture);
