// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/metafile/metafile_picture.h"

#include <QPainter>

MetafilePicture::MetafilePicture(QByteArray file)
    : file_(std::move(file)), structure_(ParseMetafile(file_)) {}

void MetafilePicture::drawAt(QPainter& painter, QPoint at) const {
    PlayMetafile(structure_, painter, QRectF(at, structure_.naturalSize));
}

void MetafilePicture::drawStretched(QPainter& painter, const QRect& target) const {
    PlayMetafile(structure_, painter, target);
}
