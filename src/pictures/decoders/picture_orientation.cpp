// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/picture_orientation.h"

#include <cstdint>
#include <optional>

#include <QColorSpace>
#include <QCoreApplication>
#include <QTransform>

#include "base/sleevix_error.h"
#include "pictures/decoders/exif_block.h"

namespace {

constexpr std::uint16_t OrientationTag = 0x0112;

QImage turnedUpright(QImage stored, Orientation orientation) {
    // Quarter turns are exact (Qt rotates such turns pixel for pixel).
    const auto turned = [&](int degrees) {
        return stored.transformed(QTransform().rotate(degrees));
    };
    switch (orientation) {
        case Orientation::Upright:
            return stored;
        case Orientation::Mirrored:
            return std::move(stored).mirrored(true, false);
        case Orientation::UpsideDown:
            return std::move(stored).mirrored(true, true);
        case Orientation::Flipped:
            return std::move(stored).mirrored(false, true);
        case Orientation::Transposed:
            return turned(90).mirrored(true, false);
        case Orientation::TurnedRight:
            return turned(90);
        case Orientation::Transversed:
            return turned(90).mirrored(false, true);
        case Orientation::TurnedLeft:
            return turned(270);
    }
    return stored;
}

}  // namespace

Orientation ExifOrientation(const std::optional<ExifTiff>& exif) {
    if (!exif) return Orientation::Upright;
    const std::optional<std::uint32_t> first = exif->firstDirectory();
    if (!first) return Orientation::Upright;
    const std::optional<std::uint32_t> value = exif->tagValue(*first, OrientationTag);
    if (!value || *value < std::uint32_t(Orientation::Upright) ||
        *value > std::uint32_t(Orientation::TurnedLeft))
        return Orientation::Upright;
    return Orientation(*value);
}

bool SwapsSides(Orientation orientation) {
    return orientation >= Orientation::Transposed;
}

QSize UprightSize(QSize stored, Orientation orientation) {
    return SwapsSides(orientation) ? stored.transposed() : stored;
}

QImage Upright(QImage stored, Orientation orientation) {
    if (orientation == Orientation::Upright) return stored;
    const QColorSpace colourSpace = stored.colorSpace();
    QImage upright = turnedUpright(std::move(stored), orientation);
    if (upright.isNull())
        throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
    upright.setColorSpace(colourSpace);
    return upright;
}
