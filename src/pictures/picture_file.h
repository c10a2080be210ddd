// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "pictures/picture_limits.h"

// The bytes of a picture file. Only a regular file is read (links
// followed): a pipe, socket or device named like a picture is refused
// before it is opened, and the file is opened so that whatever takes its
// place meanwhile cannot block the program. A file larger than `largest`
// (by default the most any picture within the size limits can need) is
// refused before it is read.
QByteArray ReadPictureFile(const QString& fileName, long long largest = MaxPictureFileBytes);
