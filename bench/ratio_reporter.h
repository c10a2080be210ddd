// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

// Prints the usual table, then the ratio of each named pair measured in the
// same run: absolute times drift on shared machines, ratios much less.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints "label: numerator / denominator = ratio" for each pair.
    void PrintRatios(const std::vector<std::pair<std::string, std::string>>& pairs) const;

  private:
    std::map<std::string, double> secondsPerIteration_;
};
