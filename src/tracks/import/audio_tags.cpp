// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/audio_tags.h"

#include <memory>

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>

#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include "base/audio_input_stream.h"
#include "base/sleevix_error.h"
#include "helper/decode_helper.h"
#include "tracks/import/list_file.h"

namespace {

// TagLib reads only an audio file's tags (and, asked for its length, its
// first frames): a second of work is a damaged or hostile file.
constexpr JobDeadline AudioTagsDeadline{2.0};

// A file opened through TagLib, with the stream it reads from (which must
// outlive it) and whether it carries a picture.
struct OpenedAudio {
    std::unique_ptr<AudioInputStream> stream;
    std::unique_ptr<TagLib::File> file;
    bool hasEmbeddedArt = false;
};

bool hasPictureFrame(TagLib::ID3v2::Tag* tag) {
    return tag && !tag->frameListMap()["APIC"].isEmpty();
}

template <typename File>
File* adopt(OpenedAudio& audio, File* file) {
    audio.file.reset(file);
    return file;
}

// Chooses TagLib's reader by extension, an Ogg file by its first packet
// (".ogg" may hold Vorbis or Opus); false when the content is not of that
// kind. TagLib's MPEG reader takes any file for an MP3 without frames, so
// that one is asked first; the others notice a wrong file themselves.
bool openByKind(OpenedAudio& audio, const QString& extension, bool withLength) {
    namespace T = TagLib;
    T::IOStream* stream = audio.stream.get();
    constexpr auto style = T::AudioProperties::Fast;
    T::ID3v2::FrameFactory* frames = T::ID3v2::FrameFactory::instance();
    if (extension == QLatin1String("mp3")) {
        if (!T::MPEG::File::isSupported(stream)) return false;
        auto* file = adopt(audio, new T::MPEG::File(stream, frames, withLength, style));
        audio.hasEmbeddedArt = file->isValid() && hasPictureFrame(file->ID3v2Tag());
    } else if (extension == QLatin1String("flac")) {
        auto* file = adopt(audio, new T::FLAC::File(stream, frames, withLength, style));
        audio.hasEmbeddedArt = file->isValid() && !file->pictureList().isEmpty();
    } else if (extension == QLatin1String("m4a")) {
        auto* file = adopt(audio, new T::MP4::File(stream, withLength, style));
        audio.hasEmbeddedArt = file->isValid() && file->tag() && file->tag()->contains("covr");
    } else if (extension == QLatin1String("wav")) {
        auto* file = adopt(audio, new T::RIFF::WAV::File(stream, withLength, style));
        audio.hasEmbeddedArt = file->isValid() && hasPictureFrame(file->ID3v2Tag());
    } else if (T::Ogg::Opus::File::isSupported(stream)) {
        auto* file = adopt(audio, new T::Ogg::Opus::File(stream, withLength, style));
        audio.hasEmbeddedArt = file->isValid() && !file->tag()->pictureList().isEmpty();
    } else if (T::Ogg::Vorbis::File::isSupported(stream)) {
        auto* file = adopt(audio, new T::Ogg::Vorbis::File(stream, withLength, style));
        audio.hasEmbeddedArt = file->isValid() && !file->tag()->pictureList().isEmpty();
    } else {
        return false;
    }
    return audio.file->isValid();
}

OpenedAudio openAudio(std::unique_ptr<AudioInputStream> stream, const QString& path,
                      bool withLength) {
    OpenedAudio audio;
    audio.stream = std::move(stream);
    if (!openByKind(audio, QFileInfo(path).suffix().toLower(), withLength))
        throw SleevixError(QCoreApplication::translate(
                               "TrackImport", "%1 is damaged or not the audio file its name says")
                               .arg(QuotedFileName(path)));
    return audio;
}

QString firstValue(const TagLib::PropertyMap& tags, const char* key) {
    const auto found = tags.find(key);
    if (found == tags.end() || found->second.isEmpty()) return {};
    return QString::fromStdString(found->second.front().to8Bit(true)).trimmed();
}

// "3" or "3/12": the leading number; negative when there is none.
int leadingNumber(const QString& text) {
    bool ok = false;
    const int number = text.section(QLatin1Char('/'), 0, 0).trimmed().toInt(&ok);
    return ok && number >= 0 ? number : -1;
}

int lengthOf(const TagLib::File& file) {
    const TagLib::AudioProperties* properties = file.audioProperties();
    return properties ? properties->lengthInMilliseconds() : -1;
}

}  // namespace

AudioTags ReadAudioTagsFrom(std::unique_ptr<AudioInputStream> stream, const QString& path,
                            bool withLength) {
    const OpenedAudio audio = openAudio(std::move(stream), path, withLength);
    const TagLib::PropertyMap tags = audio.file->properties();
    AudioTags read;
    read.title = firstValue(tags, "TITLE");
    read.artist = firstValue(tags, "ARTIST");
    read.albumArtist = firstValue(tags, "ALBUMARTIST");
    read.album = firstValue(tags, "ALBUM");
    read.trackNumber = leadingNumber(firstValue(tags, "TRACKNUMBER"));
    read.discNumber = leadingNumber(firstValue(tags, "DISCNUMBER"));
    if (withLength) read.lengthMs = lengthOf(*audio.file);
    read.hasEmbeddedArt = audio.hasEmbeddedArt;
    return read;
}

AudioTags ReadAudioTags(const QString& path, bool withLength) {
    const InputFile file(path, AudioFileInput);
    HelperJob job;
    job.kind = HelperJobKind::AudioTags;
    job.fileName = path;
    job.withLength = withLength;
    return DecodeAudioTags(
        ProgramDecodeHelper().run(job, AudioTagsDeadline, {file.descriptor()}).data);
}

int ReadAudioLength(const QString& path) {
    try {
        return ReadAudioTags(path, true).lengthMs;
    } catch (const SleevixError&) {
        return -1;
    }
}

QByteArray EncodeAudioTags(const AudioTags& tags) {
    QByteArray encoded;
    QDataStream out(&encoded, QIODevice::WriteOnly);
    out << tags.title << tags.artist << tags.albumArtist << tags.album << qint32(tags.trackNumber)
        << qint32(tags.discNumber) << qint32(tags.lengthMs) << tags.hasEmbeddedArt;
    return encoded;
}

AudioTags DecodeAudioTags(const QByteArray& encoded) {
    QDataStream in(encoded);
    AudioTags tags;
    qint32 trackNumber = -1, discNumber = -1, lengthMs = -1;
    in >> tags.title >> tags.artist >> tags.albumArtist >> tags.album >> trackNumber >>
        discNumber >> lengthMs >> tags.hasEmbeddedArt;
    tags.trackNumber = trackNumber;
    tags.discNumber = discNumber;
    tags.lengthMs = lengthMs;
    return tags;
}
