// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What the test process has used, from /proc/self, to tell a bounded read
// or drawing from an unbounded one without timing it.

// The bytes the process has read from files so far ("rchar": sparse and
// cached bytes count too).
qint64 BytesReadSoFar();

// Starts the peak of resident memory over from the present, after handing
// back what was freed before (otherwise what comes next could fit into it
// and not count); the peak since, in megabytes, and how far it rose above
// the resident memory at the start.
class MemoryPeak {
  public:
    MemoryPeak();
    double peakMegabytes() const;
    double risenMegabytes() const;

  private:
    double startMegabytes_ = 0;
};
