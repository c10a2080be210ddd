// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes the first frame of a GIF file's bytes into an 8-bit bitmap with
// the GIF's palette, the size of the logical screen: a smaller frame is
// drawn opaque at its offset onto white. The signature "GIF" is compared
// without case, or found after a four-byte prefix; the version is not
// checked. Raises "Invalid GIF signature", "Invalid GIF data", "Unknown GIF
// block type", "Invalid extension introducer", "Invalid Image trailer" or
// the picture size error.
QImage DecodeGif(const QByteArray& data);
