// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <taglib/tiostream.h>

#include "base/input_file.h"

// An audio file as every reader of its tags takes it: opened through the
// one gate, for TagLib to read through. An audio file may be of any size,
// since only its tags are read.
inline constexpr InputKind AudioFileInput{QT_TRANSLATE_NOOP("InputFile", "an audio file"),
                                          1LL << 62};
// No single read is larger than any album art can be, and all reads of one
// file together take no more than that: TagLib keeps what it reads (FLAC
// blocks, Ogg packets assembled from pages), so a bound on each read alone
// let a file that claims gigabytes of tags take them.
inline constexpr long long MaxAudioTagBytes = 64LL * 1024 * 1024;

class AudioInputStream : public TagLib::IOStream {
  public:
    explicit AudioInputStream(const QString& path);
    // Reads a descriptor the gate opened, taking it over.
    AudioInputStream(int openedFd, const QString& path);

    TagLib::FileName name() const override { return name_.constData(); }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position from) override;
    long tell() const override { return position_; }
    long length() override { return long(file_.size()); }
    void truncate(long) override {}
    // All that TagLib has been given of the file so far.
    long long bytesRead() const { return readSoFar_; }

  private:
    InputFile file_;
    QByteArray name_;
    long position_ = 0;
    long long readSoFar_ = 0;
};
