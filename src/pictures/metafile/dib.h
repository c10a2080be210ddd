// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "pictures/metafile/byte_view.h"

// A device-independent bitmap (its header and colours, then its bits) as an
// image: 1, 4, 8, 16, 24 and 32 bits, top-down or bottom-up, plain, with
// bit fields or run-length encoded. A null image when it cannot be read.
QImage DecodeDib(ByteView header, ByteView bits);

// The same for a bitmap whose header, colours and bits follow each other.
QImage DecodePackedDib(ByteView packed);

// A one-bit bitmap as a monochrome brush or blit uses it: Format_Mono with
// its bits as they stand, 0 for the text colour and 1 for the background
// colour; the caller sets the two. Null when it is not an uncompressed
// one-bit bitmap.
QImage DecodeMonochromeDib(ByteView header, ByteView bits);

// A 32-bit bitmap with its fourth byte as premultiplied alpha
// (Format_ARGB32_Premultiplied), as per-pixel blending reads it; any other
// bitmap as DecodeDib reads it.
QImage DecodeDibWithAlpha(ByteView header, ByteView bits);
