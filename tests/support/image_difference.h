// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The root mean square difference of two images of one size, for the
// channel (red, green or blue) where it is largest, in levels of 255.
double LargestChannelRmse(const QImage& a, const QImage& b);
