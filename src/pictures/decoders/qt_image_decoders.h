// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// A device-independent bitmap with its own pixel format.
QImage DecodeBitmap(const QByteArray& data);

// The largest image of an icon file (within the icon size limit), with
// its transparency; only that image is decoded.
QImage DecodeIcon(const QByteArray& data);

// The first image of a PNG, WebP or TIFF file, read by Qt's reader of that
// format alone, standing as its orientation tag says. Transparent parts lie
// on white, as a GIF's uncovered screen does; an opaque picture keeps the
// format Qt read it in. The pixels keep the colour space the file declares.
QImage DecodePng(const QByteArray& data);
QImage DecodeWebP(const QByteArray& data);
QImage DecodeTiff(const QByteArray& data);

// The picture with its transparent parts on white; an opaque one as it is.
QImage OpaqueOnWhite(QImage image);
