// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_icons.h"

#include <QString>

// The pictures are SVG files compiled into the core library, which the
// linker would drop without this reference.
static void initialiseToolbarResources() {
    Q_INIT_RESOURCE(toolbar);
}

QIcon ToolbarIcon(ToolbarPicture picture) {
    initialiseToolbarResources();
    const char* name = "";
    switch (picture) {
        case ToolbarPicture::EditTracks:
            name = "edit-tracks";
            break;
        case ToolbarPicture::FontTypeColor:
            name = "font-type-color";
            break;
        case ToolbarPicture::Left:
            name = "left";
            break;
        case ToolbarPicture::Center:
            name = "center";
            break;
        case ToolbarPicture::Image:
            name = "image";
            break;
        case ToolbarPicture::Print:
            name = "print";
            break;
        case ToolbarPicture::Close:
            name = "close";
            break;
        case ToolbarPicture::About:
            name = "about";
            break;
    }
    return QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(name)));
}
