// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QImage>
#include <QSize>

#include "pictures/decoders/exif_block.h"

// How a picture's stored pixels are turned to stand upright, numbered as
// the Exif and TIFF Orientation tag numbers them.
enum class Orientation {
    Upright = 1,
    Mirrored = 2,
    UpsideDown = 3,
    Flipped = 4,
    Transposed = 5,
    TurnedRight = 6,  // shown turned a quarter clockwise
    Transversed = 7,
    TurnedLeft = 8,
};

// The orientation an Exif block's photo directory declares; Upright when
// there is no block, or it declares none or a value outside the tag's range.
Orientation ExifOrientation(const std::optional<ExifTiff>& exif);

// Whether the orientation swaps width and height.
bool SwapsSides(Orientation orientation);
// A stored size as it stands upright.
QSize UprightSize(QSize stored, Orientation orientation);
// The stored pixels turned and mirrored to stand upright, same format.
QImage Upright(QImage stored, Orientation orientation);
