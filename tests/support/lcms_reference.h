// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// The pixels, taken to be in the colour space of the ICC profile, as
// lcms2's own TIFF tool converts them to sRGB (relative colorimetric): the
// colour-managed reference the loader is held to. Null when the tool is
// missing or fails.
QImage LcmsToSrgb(const QImage& pixels, const QByteArray& profile);
