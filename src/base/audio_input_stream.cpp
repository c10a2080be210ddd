// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/audio_input_stream.h"

#include <algorithm>

#include <QFile>

#include "base/sleevix_error.h"

AudioInputStream::AudioInputStream(const QString& path)
    : file_(path, AudioFileInput), name_(QFile::encodeName(path)) {}

AudioInputStream::AudioInputStream(int openedFd, const QString& path)
    : file_(openedFd, path, AudioFileInput), name_(QFile::encodeName(path)) {}

TagLib::ByteVector AudioInputStream::readBlock(unsigned long length) {
    const long long wanted = std::min<long long>(
        {(long long)length, MaxAudioTagBytes - readSoFar_, file_.size() - position_});
    if (wanted <= 0) return TagLib::ByteVector();  // TagLib takes a short read for the end
    TagLib::ByteVector bytes(unsigned(wanted), '\0');
    long long got = 0;
    try {
        got = file_.readInto(position_, bytes.data(), wanted);
    } catch (const SleevixError&) {
        return TagLib::ByteVector();
    }
    bytes.resize(unsigned(got));
    position_ += long(got);
    readSoFar_ += got;
    return bytes;
}

void AudioInputStream::seek(long offset, Position from) {
    const long long base = from == Beginning ? 0 : from == Current ? position_ : file_.size();
    position_ = long(std::max<long long>(0, base + offset));
}
