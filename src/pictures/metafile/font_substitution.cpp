// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/metafile/font_substitution.h"

#include <QStringList>

namespace {

// Typefaces and the free faces drawn with the same advance widths.
struct MetricTwin {
    const char* requested;
    const char* resolved;
};
constexpr MetricTwin MetricTwins[] = {
    {"arial", "liberation sans"},
    {"helvetica", "liberation sans"},
    {"arial narrow", "liberation sans narrow"},
    {"times new roman", "liberation serif"},
    {"times", "liberation serif"},
    {"courier new", "liberation mono"},
    {"courier", "liberation mono"},
    {"calibri", "carlito"},
    {"cambria", "caladea"},
};

}  // namespace

bool TypefaceSubstituted(const QString& requested, const QString& resolved) {
    const QString want = requested.trimmed().toLower();
    const QString got = resolved.trimmed().toLower();
    if (want.isEmpty() || want == got) return false;
    for (const MetricTwin& twin : MetricTwins)
        if (want == QLatin1String(twin.requested) && got == QLatin1String(twin.resolved))
            return false;
    return true;
}

bool UniformCells(const std::vector<double>& advances) {
    constexpr std::size_t FewestToTell = 3;
    if (advances.size() < FewestToTell) return false;
    for (double advance : advances)
        if (advance != advances.front()) return false;
    return true;
}
