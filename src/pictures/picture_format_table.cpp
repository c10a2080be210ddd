// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_format_table.h"

#include <QCoreApplication>
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
        formats.Register(QStringLiteral("wmf"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "Metafiles")),
                         DecoderKind::Metafile);
        formats.Register(QStringLiteral("emf"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "Enhanced Metafiles")),
                         DecoderKind::Metafile);
        formats.Register(QStringLiteral("ico"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "Icons")),
                         DecoderKind::Icon);
        formats.Register(QStringLiteral("bmp"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "Bitmaps")),
                         DecoderKind::Bitmap);
        formats.Register(QStringLiteral("GIF"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "GIF Image")),
                         DecoderKind::Gif);
        formats.Register(QStringLiteral("jpeg"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "JPEG Image File")),
                         DecoderKind::Jpeg);
        formats.Register(QStringLiteral("jpg"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "JPEG Image File")),
                         DecoderKind::Jpeg);
        formats.Register(QStringLiteral("m4a"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "M4A Album Art")),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("opus"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "Opus Album Art")),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("ogg"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "Ogg Album Art")),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("flac"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "FLAC Album Art")),
                         DecoderKind::AlbumArt);
        formats.Register(QStringLiteral("mp3"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "MP3 Album Art")),
                         DecoderKind::AlbumArt);
        formats.Register(
            QStringLiteral("svgz"),
            QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "Compressed SVG Drawing")),
            DecoderKind::Svgz);
        formats.Register(QStringLiteral("svg"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "SVG Drawing")),
                         DecoderKind::Svg);
        formats.Register(QStringLiteral("tiff"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "TIFF Image")),
                         DecoderKind::Tiff);
        formats.Register(QStringLiteral("tif"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "TIFF Image")),
                         DecoderKind::Tiff);
        formats.Register(QStringLiteral("webp"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "WebP Image")),
                         DecoderKind::WebP);
        formats.Register(QStringLiteral("png"),
                         QString::fromLatin1(QT_TRANSLATE_NOOP("Pictures", "PNG Image")),
                         DecoderKind::Png);
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
        const QByteArray description = format->description.toLatin1();
        choices << QStringLiteral("%1 (%2)").arg(
                       QCoreApplication::translate("Pictures", description.constData()), mask)
                << mask;
        allMasks << mask;
    }
    const QString all = allMasks.join(QLatin1Char(';'));
    choices.prepend(all);
    choices.prepend(QCoreApplication::translate("Pictures", "All (%1)").arg(all));
    return choices.join(QLatin1Char('|'));
}

QString DefaultPictureExtension() {
    for (const PictureFormat& format : PictureFormats().formats())
        if (format.decoder == DecoderKind::Gif) return format.extension;
    return QString();
}
