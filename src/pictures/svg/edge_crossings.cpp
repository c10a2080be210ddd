// SPDX-License-Identifier: GPL-3.0-or-later
// Counting every crossing of n edges takes n squared tests; a renderer
// that sorts crossing edges (cairo's) spends time on each, so an estimate
// from a sample is all the weighing needs.
#include "pictures/svg/edge_crossings.h"

#include <cstdint>

namespace {

// Pairs tested at most, for any number of edges.
constexpr std::uint64_t SampledPairs = 20'000;

double side(const QPointF& from, const QPointF& to, const QPointF& point) {
    return (to.x() - from.x()) * (point.y() - from.y()) -
           (to.y() - from.y()) * (point.x() - from.x());
}

bool cross(const QLineF& a, const QLineF& b) {
    const double a1 = side(a.p1(), a.p2(), b.p1()), a2 = side(a.p1(), a.p2(), b.p2());
    const double b1 = side(b.p1(), b.p2(), a.p1()), b2 = side(b.p1(), b.p2(), a.p2());
    return ((a1 > 0 && a2 < 0) || (a1 < 0 && a2 > 0)) && ((b1 > 0 && b2 < 0) || (b1 < 0 && b2 > 0));
}

bool neighbours(std::size_t i, std::size_t j, std::size_t count) {
    const std::size_t apart = i > j ? i - j : j - i;
    return apart <= 1 || apart == count - 1;
}

}  // namespace

double EdgeCrossings(const std::vector<QLineF>& edges) {
    const std::size_t count = edges.size();
    if (count < 3) return 0;
    const std::uint64_t pairs = std::uint64_t(count) * (count - 1) / 2;
    std::uint64_t crossings = 0;
    if (pairs <= SampledPairs) {
        for (std::size_t i = 0; i < count; ++i)
            for (std::size_t j = i + 2; j < count; ++j)
                if (!neighbours(i, j, count) && cross(edges[i], edges[j])) ++crossings;
        return double(crossings);
    }
    // A fixed sequence of pseudo-random pairs (a 64-bit linear congruential
    // generator's high bits), so the same outline always weighs the same.
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    const auto next = [&] {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return std::size_t((state >> 33) % count);
    };
    for (std::uint64_t sample = 0; sample < SampledPairs; ++sample) {
        const std::size_t i = next(), j = next();
        if (!neighbours(i, j, count) && cross(edges[i], edges[j])) ++crossings;
    }
    return double(crossings) * double(pairs) / double(SampledPairs);
}
