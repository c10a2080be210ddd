// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_format_table.h"

#include <QStringList>

void PictureFormatTable::Register(const QString& extension, const QString& description,
                                  DecoderKind decoder) {
    formats_.push_back({extension.toLower(), description, decoder});
}

const PictureFormat* PictureFormatTable::Find(const QString& extension) const {
    for (auto format = formats_.rbegin(); format != formats_.rend(); ++format)
        if (format->extension.compare(extension, Qt::CaseInsensitive) == 0) return &*format;
    return nullptr;
}

const PictureFormatTable& PictureFormats() {
    static const PictureFormatTable table = [] {
        PictureFormatTable formats;
        formats.Register(QStringLiteral("wmf"), QStringLiteral("Metafiles"), DecoderKind::Metafile);
        formats.Register(QStringLiteral("emf"), QStringLiteral("Enhanced Metafiles"),
                         DecoderKind::Metafile);
        formats.Register(QStringLiteral("ico"), QStringLiteral("Icons"), DecoderKind::Icon);
        formats.Register(QStringLiteral("bmp"), QStringLiteral("Bitmaps"), DecoderKind::Bitmap);
        formats.Register(QStringLiteral("GIF"), QStringLiteral("GIF Image"), DecoderKind::Gif);
        formats.Register(QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"),
                         DecoderKind::Jpeg);
        formats.Register(QStringLiteral("jpg"), QStringLiteral("JPEG Image File"),
                         DecoderKind::Jpeg);
        formats.Register(QStringLiteral("m4a"), QStringLiteral("M4A Album Art"),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("opus"), QStringLiteral("Opus Album Art"),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("ogg"), QStringLiteral("Ogg Album Art"),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("flac"), QStringLiteral("FLAC Album Art"),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("mp3"), QStringLiteral("MP3 Album Art"),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("svgz"), QStringLiteral("Compressed SVG Drawing"),
                         DecoderKind::Svgz);
        formats.Register(QStringLiteral("svg"), QStringLiteral("SVG Drawing"), DecoderKind::Svg);
        formats.Register(QStringLiteral("tiff"), QStringLiteral("TIFF Image"), DecoderKind::Tiff);
        formats.Register(QStringLiteral("tif"), QStringLiteral("TIFF Image"), DecoderKind::Tiff);
        formats.Register(QStringLiteral("webp"), QStringLiteral("WebP Image"), DecoderKind::WebP);
        formats.Register(QStringLiteral("png"), QStringLiteral("PNG Image"), DecoderKind::Png);
        return formats;
    }();
    return table;
}

QString BuildPictureFilter() {
    QStringList choices;
    QStringList allMasks;
    const auto& formats = PictureFormats().formats();
    for (auto format = formats.rbegin(); format != formats.rend(); ++format) {
        if (format->extension.isEmpty()) continue;
        const QString mask = QStringLiteral("*.") + format->extension;
        choices << QStringLiteral("%1 (%2)").arg(format->description, mask) << mask;
        allMasks << mask;
    }
    const QString all = allMasks.join(QLatin1Char(';'));
    choices.prepend(all);
    choices.prepend(QStringLiteral("All (%1)").arg(all));
    return choices.join(QLatin1Char('|'));
}

QString DefaultPictureExtension() {
    for (const PictureFormat& format : PictureFormats().formats())
        if (format.decoder == DecoderKind::Gif) return format.extension;
    return QString();
}
