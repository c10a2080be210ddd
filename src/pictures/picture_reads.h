// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include <QByteArray>
#include <QSize>
#include <QString>

#include "pictures/picture_bitmap.h"

// Picture files read again at every use, so that a file changed on disk
// shows its new content, but decoded again only when their bytes or the
// device pixels asked for differ from a read remembered: repaints and
// repeated exports stay cheap.
class RememberedPictureReads {
  public:
    explicit RememberedPictureReads(std::size_t capacity = 1) : capacity_(capacity) {}

    // The picture at `path` for `cover` device pixels; null when there is
    // no file. Raises the loader's errors.
    PictureBitmap read(const QString& path, QSize cover);
    void forget() { reads_.clear(); }

  private:
    struct Read {
        QString path;
        QSize cover;
        QByteArray bytes;
        PictureBitmap picture;
    };
    std::size_t capacity_;
    std::vector<Read> reads_;
};
