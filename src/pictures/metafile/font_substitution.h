// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether the typeface a file names was replaced on this machine by one of
// other metrics, so that widths measured with the named one do not fit the
// one drawn. A face replaced by its metric twin (Arial by Liberation Sans)
// counts as present.
bool TypefaceSubstituted(const QString& requested, const QString& resolved);
