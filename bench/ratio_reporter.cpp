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

void RatioReporter::PrintRatios(
    const std::vector<std::pair<std::string, std::string>>& pairs) const {
    for (const auto& [numerator, denominator] : pairs) {
        const auto top = secondsPerIteration_.find(numerator);
        const auto bottom = secondsPerIteration_.find(denominator);
        if (top == secondsPerIteration_.end() || bottom == secondsPerIteration_.end()) continue;
        std::printf("ratio %s / %s = %.2f\n", numerator.c_str(), denominator.c_str(),
                    top->second / bottom->second);
    }
}
