// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QString>

// Whether the typeface a file names was replaced on this machine by one of
// other metrics, so that widths measured with the named one do not fit the
// one drawn. A face replaced by its metric twin (Arial by Liberation Sans)
// counts as present.
bool TypefaceSubstituted(const QString& requested, const QString& resolved);

// Whether advances are one width repeated: cells a writer gave every
// character alike rather than a typeface's own widths. A proportional
// typeface set in them stands letter by letter apart.
bool UniformCells(const std::vector<double>& advances);
