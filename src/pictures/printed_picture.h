// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "pictures/picture_bitmap.h"

#include <QSize>

// The picture to print for an insert: its file read again with every
// pixel, since the held one was read only for the screen's size; a drawing
// is drawn for the `printed` device pixels. When the file is gone or no
// longer reads, the held picture is printed; the screen reports an
// unreadable file. With PrintOnlyPictures active, an unreadable file
// raises its error.
PictureBitmap PictureForPrinting(const QString& path, const PictureBitmap& held,
                                 QSize printed = QSize());
