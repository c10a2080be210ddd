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
