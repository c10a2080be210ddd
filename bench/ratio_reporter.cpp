// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.iterations > 0)
            secondsPerIteration_[run.benchmark_name()] =
                run.real_accumulated_time / double(run.iterations);
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> RatioReporter::secondsOf(const std::string& name) const {
    // With repetitions, the median of the runs.
    for (const std::string& key : {name + "_median", name}) {
        const auto found = secondsPerIteration_.find(key);
        if (found != secondsPerIteration_.end()) return found->second;
    }
    return std::nullopt;
}

void RatioReporter::PrintRatios(
    const std::vector<std::pair<std::string, std::string>>& pairs) const {
    for (const auto& [numerator, denominator] : pairs) {
        const std::optional<double> top = secondsOf(numerator);
        const std::optional<double> bottom = secondsOf(denominator);
        if (!top || !bottom) continue;
        std::printf("ratio %s / %s = %.2f\n", numerator.c_str(), denominator.c_str(),
                    *top / *bottom);
    }
}

void RatioReporter::PrintRatioToSum(const std::string& numerator,
                                    const std::vector<std::string>& denominators) const {
    const std::optional<double> top = secondsOf(numerator);
    if (!top) return;
    double sum = 0;
    std::string names;
    for (const std::string& name : denominators) {
        const std::optional<double> part = secondsOf(name);
        if (!part) return;
        sum += *part;
        names += (names.empty() ? "" : " + ") + name;
    }
    std::printf("ratio %s / (%s) = %.2f\n", numerator.c_str(), names.c_str(), *top / sum);
}
