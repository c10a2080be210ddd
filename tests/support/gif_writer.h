// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QSize>

// One frame of a GIF: colour indexes row by row.
struct GifFrame {
    QSize size;
    QList<uchar> indexes;
    QPoint offset;
    QList<QRgb> localPalette;  // none when empty
    bool interlaced = false;
};

// A GIF file's bytes, written with giflib's encoder.
QByteArray EncodeGif(QSize screen, const QList<QRgb>& globalPalette, const QList<GifFrame>& frames,
                     bool withComment = false);

// A frame filled with one index, or with a pattern: index = (x + y) % colours.
GifFrame SolidFrame(QSize size, uchar index, QPoint offset = QPoint());
GifFrame PatternFrame(QSize size, int colours);
