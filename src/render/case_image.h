// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include "render/cover_value.h"

// The cover at hand (a kind other than the jewel case) as the screen shows
// it, on white: at the screen's 96 pixels per inch times `scale`.
QImage CaseImage(const CoverValue& cover, int scale);
// Its size at scale 1.
QSize CaseImageSize(const CoverValue& cover);

// The same drawing at `pixelsPerMm` device pixels per millimetre, for a
// view that fits the piece into its area.
QImage CaseImageAt(const CoverValue& cover, double pixelsPerMm);
