// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_orientation.h"

#include <cstdint>
#include <optional>

#include <QColorSpace>
#include <QTransform>
#include <QtEndian>

#include "app/error_box.h"
#include "pictures/exif_block.h"

namespace {

constexpr std::uint16_t OrientationTag = 0x0112;

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr qsizetype PngChunkHeader = 8, PngChunkTrailer = 4;  // length and type; checksum
const QByteArray RiffSignature("RIFF", 4), WebpSignature("WEBP", 4);
constexpr qsizetype RiffHeader = 12, RiffChunkHeader = 8;

Orientation orientationOf(std::optional<ExifTiff> exif) {
    return exif ? ExifOrientation(*exif) : Orientation::Upright;
}

// The payload of the file's first chunk of that type. Some writers put
// metadata after the pixels, so the whole chunk list is walked.
std::optional<QByteArrayView> pngChunk(const QByteArray& png, QByteArrayView type) {
    if (!png.startsWith(PngSignature)) return std::nullopt;
    for (qsizetype at = PngSignature.size(); at + PngChunkHeader <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArrayView chunkType(png.constData() + at + 4, 4);
        if (length > png.size() - at - PngChunkHeader) return std::nullopt;
        if (chunkType == type) return QByteArrayView(png.constData() + at + PngChunkHeader, length);
        at += PngChunkHeader + length + PngChunkTrailer;
    }
    return std::nullopt;
}

std::optional<QByteArrayView> webpChunk(const QByteArray& webp, QByteArrayView type) {
    if (webp.size() < RiffHeader || !webp.startsWith(RiffSignature) ||
        QByteArrayView(webp).sliced(8, 4) != WebpSignature)
        return std::nullopt;
    for (qsizetype at = RiffHeader; at + RiffChunkHeader <= webp.size();) {
        const qsizetype length = qFromLittleEndian<quint32>(webp.constData() + at + 4);
        if (length > webp.size() - at - RiffChunkHeader) return std::nullopt;
        if (QByteArrayView(webp.constData() + at, 4) == type)
            return QByteArrayView(webp.constData() + at + RiffChunkHeader, length);
        at += RiffChunkHeader + length + (length & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

}  // namespace

Orientation ExifOrientation(const ExifTiff& exif) {
    const std::optional<std::uint32_t> first = exif.firstDirectory();
    if (!first) return Orientation::Upright;
    const std::optional<std::uint32_t> value = exif.tagValue(*first, OrientationTag);
    if (!value || *value < std::uint32_t(Orientation::Upright) ||
        *value > std::uint32_t(Orientation::TurnedLeft))
        return Orientation::Upright;
    return Orientation(*value);
}

Orientation PngOrientation(const QByteArray& png) {
    const std::optional<QByteArrayView> chunk = pngChunk(png, "eXIf");
    return chunk ? orientationOf(ExifTiff::From(*chunk)) : Orientation::Upright;
}

Orientation WebpOrientation(const QByteArray& webp) {
    const std::optional<QByteArrayView> chunk = webpChunk(webp, "EXIF");
    return chunk ? orientationOf(ExifTiff::From(*chunk)) : Orientation::Upright;
}

bool SwapsSides(Orientation orientation) {
    return orientation >= Orientation::Transposed;
}

QSize UprightSize(QSize stored, Orientation orientation) {
    return SwapsSides(orientation) ? stored.transposed() : stored;
}

namespace {

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

QImage Upright(QImage stored, Orientation orientation) {
    if (orientation == Orientation::Upright) return stored;
    const QColorSpace colourSpace = stored.colorSpace();
    QImage upright = turnedUpright(std::move(stored), orientation);
    if (upright.isNull()) throw SleevixError(QStringLiteral("Out of memory"));
    upright.setColorSpace(colourSpace);
    return upright;
}
