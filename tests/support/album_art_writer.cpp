// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/album_art_writer.h"

#include <QFile>

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

namespace {

TagLib::ByteVector bytesOf(const QByteArray& data) {
    return TagLib::ByteVector(data.constData(), unsigned(data.size()));
}

TagLib::FLAC::Picture* flacPicture(const EmbeddedArt& art) {
    auto* picture = new TagLib::FLAC::Picture;  // the file takes it over
    picture->setMimeType(art.mimeType.toStdString());
    picture->setType(TagLib::FLAC::Picture::Type(art.type));
    picture->setData(bytesOf(art.data));
    return picture;
}

template <typename File>
bool addToXiphComment(const QByteArray& name, const QList<EmbeddedArt>& pictures) {
    File file(name.constData());
    for (const EmbeddedArt& art : pictures) file.tag()->addPicture(flacPicture(art));
    return file.save();
}

}  // namespace

bool WriteAudioWithArt(const QString& path, AudioKind kind, const QList<EmbeddedArt>& pictures) {
    WriteSilentAudio(path, kind, 1);
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
        case AudioKind::Mp3: {
            TagLib::MPEG::File file(name.constData());
            for (const EmbeddedArt& art : pictures) {
                auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
                frame->setMimeType(art.mimeType.toStdString());
                frame->setType(TagLib::ID3v2::AttachedPictureFrame::Type(art.type));
                frame->setPicture(bytesOf(art.data));
                file.ID3v2Tag(true)->addFrame(frame);
            }
            return file.save();
        }
        case AudioKind::Flac: {
            TagLib::FLAC::File file(name.constData());
            for (const EmbeddedArt& art : pictures) file.addPicture(flacPicture(art));
            return file.save();
        }
        case AudioKind::OggVorbis:
            return addToXiphComment<TagLib::Ogg::Vorbis::File>(name, pictures);
        case AudioKind::Opus:
            return addToXiphComment<TagLib::Ogg::Opus::File>(name, pictures);
        case AudioKind::M4a: {
            TagLib::MP4::File file(name.constData());
            TagLib::MP4::CoverArtList covers;
            for (const EmbeddedArt& art : pictures)
                covers.append(TagLib::MP4::CoverArt(art.mimeType == QLatin1String("image/jpeg")
                                                        ? TagLib::MP4::CoverArt::JPEG
                                                        : TagLib::MP4::CoverArt::PNG,
                                                    bytesOf(art.data)));
            if (!covers.isEmpty()) file.tag()->setItem("covr", covers);
            return file.save();
        }
        case AudioKind::Wav:
            break;
    }
    return false;
}
