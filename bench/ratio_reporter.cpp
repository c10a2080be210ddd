// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred)
            failed_.insert(run.benchmark_name());
        else if (run.iterations > 0)
            secondsPerIteration_[run.benchmark_name()] =
                run.real_accumulated_time / double(run.iterations);
    }
    ConsoleReporter::ReportRuns(runs);
}

bool RatioReporter::reportFailure(const std::string& ratio,
                                  const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
        if (!failed_.count(name)) continue;
        std::printf("ratio %s: none, %s failed\n", ratio.c_str(), name.c_str());
        return true;
    }
    return false;
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
        if (reportFailure(numerator + " / " + denominator, {numerator, denominator})) continue;
        const std::optional<double> top = secondsOf(numerator);
        const std::optional<double> bottom = secondsOf(denominator);
        if (!top || !bottom) continue;
        std::printf("ratio %s / %s = %.2f\n", numerator.c_str(), denominator.c_str(),
                    *top / *bottom);
    }
}

void RatioReporter::PrintRatioToSum(const std::string& numerator,
                                    const std::vector<std::string>& denominators) const {
    std::string names;
    for (const std::string& name : denominators) names += (names.empty() ? "" : " + ") + name;
    std::vector<std::string> all{numerator};
    all.insert(all.end(), denominators.begin(), denominators.end());
    if (reportFailure(numerator + " / (" + names + ")", all)) return;
    const std::optional<double> top = secondsOf(numerator);
    if (!top) return;
    double sum = 0;
    for (const std::string& name : denominators) {
        const std::optional<double> part = secondsOf(name);
        if (!part) return;
        sum += *part;
    }
    std::printf("ratio %s / (%s) = %.2f\n", numerator.c_str(), names.c_str(), *top / sum);
}
