// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// A device-independent bitmap with its own pixel format.
QImage DecodeBitmap(const QByteArray& data);

// The largest image of an icon file (within the icon size limit), with
// its transparency; only that image is decoded.
QImage DecodeIcon(const QByteArray& data);
