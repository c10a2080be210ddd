// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <taglib/tiostream.h>

class OpenedPictureFile;

// TagLib reads an audio file through this: the file opened as every
// picture file is (a regular file only, never blocking), read only, and no
// single read larger than any album art can be, so a tag that claims
// gigabytes takes none.
class AudioFileStream : public TagLib::IOStream {
  public:
    explicit AudioFileStream(OpenedPictureFile& file);

    TagLib::FileName name() const override { return name_.constData(); }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position from) override;
    long tell() const override { return position_; }
    long length() override { return long(length_); }
    void truncate(long) override {}

  private:
    OpenedPictureFile& file_;
    QByteArray name_;
    long long length_;
    long position_ = 0;
};
