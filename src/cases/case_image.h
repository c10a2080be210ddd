// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

// The cover at hand (a kind other than the jewel case) as the screen shows
// it, on white: at the screen's 96 pixels per inch times `scale`.
QImage CaseImage(int scale);
// Its size at scale 1.
QSize CaseImageSize();

// The same drawing at `pixelsPerMm` device pixels per millimetre, for a
// view that fits the piece into its area.
QImage CaseImageAt(double pixelsPerMm);
