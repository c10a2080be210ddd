// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/image_difference.h"

#include <algorithm>
#include <cmath>
#include <limits>

double LargestChannelRmse(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return std::numeric_limits<double>::infinity();
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    double sums[3] = {0, 0, 0};
    for (int y = 0; y < first.height(); ++y) {
        const auto* one = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* other = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            const int differences[3] = {qRed(one[x]) - qRed(other[x]),
                                        qGreen(one[x]) - qGreen(other[x]),
                                        qBlue(one[x]) - qBlue(other[x])};
            for (int channel = 0; channel < 3; ++channel)
                sums[channel] += double(differences[channel]) * differences[channel];
        }
    }
    const double pixels = double(first.width()) * first.height();
    return std::sqrt(*std::max_element(sums, sums + 3) / pixels);
}
