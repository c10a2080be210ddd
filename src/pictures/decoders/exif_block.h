// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QByteArrayView>

// The TIFF structure an Exif block holds, read as untrusted bytes: every
// offset is checked against what is there, and a read outside yields nothing.
class ExifTiff {
  public:
    // Nothing when the bytes do not start with a TIFF header. A leading
    // "Exif\0\0" signature (as some PNG and WebP writers keep) is skipped.
    static std::optional<ExifTiff> From(QByteArrayView bytes);

    std::optional<std::uint32_t> u16(qint64 at) const { return read(at, 2); }
    std::optional<std::uint32_t> u32(qint64 at) const { return read(at, 4); }
    QByteArrayView bytes() const { return bytes_; }

    // Where the first image directory (the photo's) starts.
    std::optional<std::uint32_t> firstDirectory() const { return u32(4); }
    // Where the directory after the one at `directory` starts; nothing at
    // the last one.
    std::optional<std::uint32_t> nextDirectory(std::uint32_t directory) const;
    // The value of a SHORT or LONG tag of the directory at `directory`.
    std::optional<std::uint32_t> tagValue(std::uint32_t directory, std::uint16_t tag) const;

  private:
    ExifTiff(QByteArrayView bytes, bool bigEndian) : bytes_(bytes), bigEndian_(bigEndian) {}
    std::optional<std::uint32_t> read(qint64 at, int size) const;

    QByteArrayView bytes_;
    bool bigEndian_;
};

// Whether the bytes start as a JPEG file does (its start-of-image marker).
bool StartsAsJpeg(QByteArrayView bytes);

// The Exif block of a JPEG file: the payload of the first APP1 segment that
// starts with the Exif signature, among the segments before the scan.
std::optional<ExifTiff> JpegExif(const QByteArray& jpeg);

// The Exif block of a PNG file (its eXIf chunk) or of a WebP file (its EXIF
// chunk). Only the chunk list is walked; nothing is decoded.
std::optional<ExifTiff> PngExif(const QByteArray& png);
std::optional<ExifTiff> WebpExif(const QByteArray& webp);
