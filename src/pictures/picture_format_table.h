// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QString>

enum class DecoderKind {
    Metafile,
    Icon,
    Bitmap,
    Gif,
    Jpeg,
    Png,
    WebP,
    Tiff,
    Svg,
    Svgz,
    AlbumArt,  // the front cover embedded in an audio file
};

struct PictureFormat {
    QString extension;  // lower case, no dot
    QString description;
    DecoderKind decoder;
};

// The picture formats the program reads, in the order they were registered.
class PictureFormatTable {
  public:
    // Appends a format; the extension is stored in lower case.
    void Register(const QString& extension, const QString& description, DecoderKind decoder);
    // The decoder for an extension, compared without case, the most recent
    // registration winning; nullptr when none is registered.
    const PictureFormat* Find(const QString& extension) const;
    const std::vector<PictureFormat>& formats() const { return formats_; }

  private:
    std::vector<PictureFormat> formats_;
};

// The program's table: the platform's formats first, then GIF and JPEG,
// then the audio files whose album art is read, SVG, TIFF, WebP and PNG (the
// filter shows the newest first, so PNG leads).
const PictureFormatTable& PictureFormats();

// The file-dialog filter offering every registered format, in the notation
// "shown|masks|shown|masks...", "All (...)" first.
QString BuildPictureFilter();

// The extension the picture dialog adds to a name typed without one.
QString DefaultPictureExtension();
