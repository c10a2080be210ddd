// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// One image of an icon file: stored as PNG, or as a 32-bit bitmap with its
// mask.
struct IconImage {
    QImage image;
    bool png = false;
};

// An icon file holding the images in this order.
QByteArray BuildIcon(const QList<IconImage>& images);

// An icon file whose `count` directory entries all point at one image.
QByteArray BuildIconRepeating(const IconImage& image, int count);
