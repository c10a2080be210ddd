// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "render/cover_value.h"

// A PDF for a print shop: each piece on a page of its own, its pictures
// running `bleedMm` past the cut, crop marks outside the cut on the cut
// lines and folds extended, the page the piece's size plus bleed and marks.
// Texts and guide lines stand where the printed page has them; the guide
// lines are left out, the marks replace them. A jewel case gives two pages,
// the back insert and the front insert. Replaces `path` only when the PDF
// is whole.
void ExportForPrintShop(const QString& path, double bleedMm, const CoverValue& cover);

inline constexpr double DefaultBleedMm = 3;
inline constexpr double MaxBleedMm = 10;
