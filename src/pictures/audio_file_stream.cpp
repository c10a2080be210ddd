// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/audio_file_stream.h"

#include <algorithm>

#include <unistd.h>

#include <QFile>

#include "app/error_box.h"
#include "pictures/album_art.h"
#include "pictures/picture_file.h"

AudioFileStream::AudioFileStream(OpenedPictureFile& file)
    : file_(file), name_(QFile::encodeName(file.fileName())), length_(file.size()) {}

TagLib::ByteVector AudioFileStream::readBlock(unsigned long length) {
    const long long wanted =
        std::min<long long>({(long long)length, MaxAlbumArtBytes, length_ - position_});
    if (wanted <= 0 || ::lseek(file_.descriptor(), position_, SEEK_SET) < 0)
        return TagLib::ByteVector();
    QByteArray bytes;
    try {
        bytes = file_.read(wanted);
    } catch (const SleevixError&) {
        return TagLib::ByteVector();  // TagLib takes a short read for the end
    }
    position_ += long(bytes.size());
    return TagLib::ByteVector(bytes.constData(), unsigned(bytes.size()));
}

void AudioFileStream::seek(long offset, Position from) {
    const long long base = from == Beginning ? 0 : from == Current ? position_ : length_;
    position_ = long(std::max<long long>(0, base + offset));
}
