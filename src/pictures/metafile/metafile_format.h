// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The structure of a Windows metafile (WMF, with or without the placeable
// header) or an enhanced metafile (EMF): its records and natural size.

#include <vector>

#include <QByteArray>
#include <QRect>
#include <QSize>

#include "pictures/metafile/byte_view.h"

enum class MetafileKind { Wmf, Emf };

struct MetafileRecord {
    uint32_t type;   // WMF function number or EMF record type
    ByteView bytes;  // the whole record, its header included
};

struct MetafileStructure {
    MetafileKind kind = MetafileKind::Emf;
    std::vector<MetafileRecord> records;
    QSize naturalSize;  // screen pixels at 96 per inch
    // WMF: the logical rectangle that maps onto the picture (placeable
    // bounding box, or the window the file sets). EMF: the picture frame
    // in the reference device's pixels.
    QRectF frame;
    // EMF: the reference device's pixels per millimetre.
    double devicePixelsPerMmX = 96 / 25.4, devicePixelsPerMmY = 96 / 25.4;
    // EMF: the picture is drawn by its EMF+ records; the older records are
    // drawn only where EMF+ hands the device over to them (GetDC).
    bool drawnByEmfPlus = false;
};

// Reads a whole file's structure; raises "Invalid metafile: ..." naming
// what is wrong, or "Metafile holds nothing this program can draw" for an
// enhanced metafile with records of which none draws here.
MetafileStructure ParseMetafile(const QByteArray& file);
