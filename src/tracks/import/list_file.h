// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "base/input_file.h"  // QuotedFileName, for the readers

// A track-list file (CUE sheet, playlist, plain list) as text. Throws
// SleevixError naming the file when it cannot be read, is larger than any
// track list, or holds binary data.
QString ReadListFile(const QString& path);

// UTF-8 or UTF-16 after a byte-order mark; otherwise UTF-8 when the bytes
// are valid UTF-8, else Latin-1, as older rippers wrote.
QString DecodeListText(const QByteArray& bytes);
