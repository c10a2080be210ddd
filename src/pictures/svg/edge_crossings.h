// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QLineF>

// How many times the edges of one outline cross each other: exactly for a
// few edges, else estimated from a fixed sample of pairs (the same count
// every time for the same outline). Edges that follow each other share an
// end and are not counted as crossing.
double EdgeCrossings(const std::vector<QLineF>& edges);
