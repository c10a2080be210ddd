// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/process_use.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace {

// A field of a /proc/self file of "name: value" lines; -1 when absent.
double procField(const char* file, const std::string& field) {
    std::ifstream lines(file);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(field, 0) == 0) return std::stod(line.substr(field.size()));
    return -1;
}

constexpr double KilobytesPerMegabyte = 1024;

}  // namespace

qint64 BytesReadSoFar() {
    return qint64(procField("/proc/self/io", "rchar:"));
}

MemoryPeak::MemoryPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    startMegabytes_ = peakMegabytes();
}

double MemoryPeak::peakMegabytes() const {
    return procField("/proc/self/status", "VmHWM:") / KilobytesPerMegabyte;
}

double MemoryPeak::risenMegabytes() const {
    return peakMegabytes() - startMegabytes_;
}
