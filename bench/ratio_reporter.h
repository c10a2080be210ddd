// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

// Prints the usual table, then the ratio of each named pair measured in the
// same run (the medians, with repetitions): absolute times drift on shared
// machines, ratios much less. A benchmark that failed gives no ratio, and
// the line says so.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints "label: numerator / denominator = ratio" for each pair.
    void PrintRatios(const std::vector<std::pair<std::string, std::string>>& pairs) const;
    // Prints "label: numerator / (a + b + ...) = ratio".
    void PrintRatioToSum(const std::string& numerator,
                         const std::vector<std::string>& denominators) const;

  private:
    std::optional<double> secondsOf(const std::string& name) const;
    // Prints "ratio <ratio>: none, <name> failed" instead of the ratio when
    // one of `names` failed.
    bool reportFailure(const std::string& ratio, const std::vector<std::string>& names) const;

    std::map<std::string, double> secondsPerIteration_;
    std::set<std::string> failed_;
};
