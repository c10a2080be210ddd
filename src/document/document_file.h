// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "document/cover_document.h"

inline constexpr const char* CoverFileExtension = "sleevix";

// Far beyond the texts of any cover; a larger file is refused before it is
// read, so a hostile one cannot fill the memory.
inline constexpr qint64 MaxCoverFileBytes = 64 * 1024 * 1024;

// Reads and checks the document at `path`. Raises "Cannot open PATH: why"
// for a file that cannot be read or is no cover this program opens.
CoverDocument LoadCoverFile(const QString& path);

// Writes the cover to `path` in one step: either the whole new document is
// there afterwards or the old file is left as it was. Raises "Cannot save
// PATH: why" when it cannot.
void SaveCoverFile(const CoverDocument& cover, const QString& path);
