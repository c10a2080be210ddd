// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/album_art.h"

#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QFileInfo>

#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4coverart.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/vorbisfile.h>
#include <taglib/xiphcomment.h>

#include "base/audio_input_stream.h"
#include "base/sleevix_error.h"

namespace {

// The front cover in the ID3v2 and FLAC sense of picture types.
constexpr int FrontCoverType = 3;
QString toQString(const TagLib::String& text) {
    return QString::fromStdString(text.to8Bit(true));
}

QByteArray toBytes(const TagLib::ByteVector& data) {
    return QByteArray(data.data(), qsizetype(data.size()));
}

// The extension of a declared MIME type ("image/jpeg" and the common
// misspellings), or empty for a format the program does not read.
QString extensionOfMime(const QString& declared) {
    QString kind = declared.trimmed().toLower();
    if (kind.startsWith(QLatin1String("image/"))) kind = kind.mid(6);
    if (kind.startsWith(QLatin1String("x-"))) kind = kind.mid(2);
    if (kind == QLatin1String("jpeg") || kind == QLatin1String("jpg") ||
        kind == QLatin1String("pjpeg"))
        return QStringLiteral("jpg");
    if (kind == QLatin1String("png") || kind == QLatin1String("gif") ||
        kind == QLatin1String("webp") || kind == QLatin1String("bmp"))
        return kind;
    if (kind == QLatin1String("ms-bmp")) return QStringLiteral("bmp");
    return QString();
}

// Chooses among pictures with a type: the front cover, else the first.
template <typename Picture, typename TypeOf>
const Picture* frontOrFirst(const TagLib::List<Picture>& pictures, TypeOf typeOf) {
    for (const Picture& picture : pictures)
        if (typeOf(picture) == FrontCoverType) return &picture;
    return pictures.isEmpty() ? nullptr : &pictures.front();
}

AlbumArt fromMime(const TagLib::ByteVector& data, const TagLib::String& mime) {
    const QString declared = toQString(mime);
    return {toBytes(data), extensionOfMime(declared), declared};
}

std::optional<AlbumArt> fromId3v2(TagLib::ID3v2::Tag* tag) {
    if (!tag) return std::nullopt;
    TagLib::List<TagLib::ID3v2::AttachedPictureFrame*> frames;
    for (TagLib::ID3v2::Frame* frame : tag->frameListMap()["APIC"])
        if (auto* picture = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame))
            frames.append(picture);
    const auto* chosen = frontOrFirst(frames, [](const TagLib::ID3v2::AttachedPictureFrame* frame) {
        return int(frame->type());
    });
    if (!chosen) return std::nullopt;
    return fromMime((*chosen)->picture(), (*chosen)->mimeType());
}

std::optional<AlbumArt> fromPictures(const TagLib::List<TagLib::FLAC::Picture*>& pictures) {
    const auto* chosen = frontOrFirst(
        pictures, [](const TagLib::FLAC::Picture* picture) { return int(picture->type()); });
    if (!chosen) return std::nullopt;
    return fromMime((*chosen)->data(), (*chosen)->mimeType());
}

std::optional<AlbumArt> fromMp4(TagLib::MP4::Tag* tag) {
    if (!tag || !tag->contains("covr")) return std::nullopt;
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    if (covers.isEmpty()) return std::nullopt;
    // MP4 gives no picture types: the first is the cover.
    const TagLib::MP4::CoverArt& cover = covers.front();
    switch (cover.format()) {
        case TagLib::MP4::CoverArt::JPEG:
            return AlbumArt{toBytes(cover.data()), QStringLiteral("jpg"), QStringLiteral("JPEG")};
        case TagLib::MP4::CoverArt::PNG:
            return AlbumArt{toBytes(cover.data()), QStringLiteral("png"), QStringLiteral("PNG")};
        case TagLib::MP4::CoverArt::GIF:
            return AlbumArt{toBytes(cover.data()), QStringLiteral("gif"), QStringLiteral("GIF")};
        case TagLib::MP4::CoverArt::BMP:
            return AlbumArt{toBytes(cover.data()), QStringLiteral("bmp"), QStringLiteral("BMP")};
        default:
            return AlbumArt{toBytes(cover.data()), QString(), QStringLiteral("unknown")};
    }
}

// Reads the art of a file of the given kind; nothing when it has none.
// `valid` tells whether TagLib could read the file at all: it begins as
// that kind begins, and its tags could be read.
std::optional<AlbumArt> readArt(TagLib::IOStream& stream, const QString& kind, bool& valid) {
    namespace T = TagLib;
    valid = false;
    // Tags only: the audio is never decoded or measured.
    constexpr bool NoAudioProperties = false;
    if (kind == QLatin1String("mp3")) {
        if (!T::MPEG::File::isSupported(&stream)) return std::nullopt;
        T::MPEG::File file(&stream, T::ID3v2::FrameFactory::instance(), NoAudioProperties);
        valid = file.isValid();
        return valid ? fromId3v2(file.ID3v2Tag()) : std::nullopt;
    }
    if (kind == QLatin1String("flac")) {
        if (!T::FLAC::File::isSupported(&stream)) return std::nullopt;
        T::FLAC::File file(&stream, T::ID3v2::FrameFactory::instance(), NoAudioProperties);
        valid = file.isValid();
        if (!valid) return std::nullopt;
        if (auto art = fromPictures(file.pictureList())) return art;
        return fromId3v2(file.ID3v2Tag());
    }
    // An Ogg file holds Vorbis or Opus: the stream's own header says which.
    const bool ogg = kind == QLatin1String("ogg");
    if (ogg && T::Ogg::Vorbis::File::isSupported(&stream)) {
        T::Ogg::Vorbis::File file(&stream, NoAudioProperties);
        valid = file.isValid();
        return valid && file.tag() ? fromPictures(file.tag()->pictureList()) : std::nullopt;
    }
    if ((ogg || kind == QLatin1String("opus")) && T::Ogg::Opus::File::isSupported(&stream)) {
        T::Ogg::Opus::File file(&stream, NoAudioProperties);
        valid = file.isValid();
        return valid && file.tag() ? fromPictures(file.tag()->pictureList()) : std::nullopt;
    }
    if (kind == QLatin1String("m4a")) {
        if (!T::MP4::File::isSupported(&stream)) return std::nullopt;
        T::MP4::File file(&stream, NoAudioProperties);
        valid = file.isValid();
        return valid ? fromMp4(file.tag()) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

AlbumArt ReadAlbumArt(TagLib::IOStream& stream, const QString& extension,
                      const QString& shownName) {
    const QString kind = extension.toLower();
    bool valid = false;
    std::optional<AlbumArt> art = readArt(stream, kind, valid);
    if (!valid)
        throw SleevixError(
            QCoreApplication::translate("Pictures", "\"%1\" is not a readable %2 file")
                .arg(shownName, kind.toUpper()));
    if (!art || art->data.isEmpty())
        throw SleevixError(
            QCoreApplication::translate("Pictures", "\"%1\" holds no album art").arg(shownName));
    if (art->extension.isEmpty() && art->declared.isEmpty())
        throw SleevixError(QCoreApplication::translate(
                               "Pictures", "The album art in \"%1\" does not say what kind it is")
                               .arg(shownName));
    if (art->extension.isEmpty())
        throw SleevixError(QCoreApplication::translate(
                               "Pictures", "The album art in \"%1\" is of a kind not read (%2)")
                               .arg(shownName, art->declared));
    return std::move(*art);
}

AlbumArt AlbumArtOfOpenedFile(int openedFd, const QString& fileName, const QString& extension) {
    AudioInputStream stream(openedFd, fileName);
    return ReadAlbumArt(stream, extension, QFileInfo(fileName).fileName());
}

QByteArray PackAlbumArt(const AlbumArt& art) {
    return art.extension.toLatin1() + '\n' + art.data;
}

AlbumArt UnpackAlbumArt(const QByteArray& packed) {
    const qsizetype end = packed.indexOf('\n');
    if (end < 0) return AlbumArt();
    return AlbumArt{packed.mid(end + 1), QString::fromLatin1(packed.left(end)), QString()};
}
