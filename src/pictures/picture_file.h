// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "pictures/picture_limits.h"

// A picture file open for reading. Only a regular file is opened (links
// followed): a pipe, socket or device named like a picture is refused
// before it is opened, and the file is opened so that whatever takes its
// place meanwhile cannot block the program. A file larger than `largest`
// is refused before it is read. Closed with the object.
class OpenedPictureFile {
  public:
    OpenedPictureFile(const QString& fileName, long long largest);
    ~OpenedPictureFile();
    OpenedPictureFile(const OpenedPictureFile&) = delete;
    OpenedPictureFile& operator=(const OpenedPictureFile&) = delete;

    int descriptor() const { return fd_; }
    long long size() const { return size_; }
    const QString& fileName() const { return fileName_; }
    // Up to `count` bytes from the current position; fewer at the end.
    QByteArray read(long long count);

  private:
    QString fileName_;
    int fd_ = -1;
    long long size_ = 0;
};

// The bytes of a picture file, opened as above; by default larger than the
// most any picture within the size limits can need is refused.
QByteArray ReadPictureFile(const QString& fileName, long long largest = MaxPictureFileBytes);
