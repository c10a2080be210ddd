// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>

// The JPEG thumbnail a camera stores in a JPEG file's Exif block (the
// second image directory's JPEGInterchangeFormat and its length), as bytes
// of a JPEG file of its own; nothing when the file holds none or its Exif
// block is malformed. The bytes are untrusted: every offset is checked
// against what is there, and nothing is decoded.
std::optional<QByteArray> ExifThumbnailBytes(const QByteArray& jpeg);
