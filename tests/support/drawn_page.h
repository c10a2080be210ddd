// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

// An A4 sheet's size in pixels at `dpi`.
QSize A4Pixels(int dpi);

// The printed page as the print job draws it, onto a white A4 raster at
// `dpi` whose printable area starts at its corner.
QImage DrawnPage(int dpi);
