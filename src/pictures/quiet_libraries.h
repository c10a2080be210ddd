// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// While one lives, lines that an image library writes to the standard error
// stream by itself are held back and dropped: libpng prints "libpng error:
// ..." before Qt's reader fails, and the decoder's own error says it once.
// Anything else written to the stream meanwhile, from any thread, is passed
// on when the last one ends.
class QuietLibraries {
  public:
    QuietLibraries();
    ~QuietLibraries();
    QuietLibraries(const QuietLibraries&) = delete;
    QuietLibraries& operator=(const QuietLibraries&) = delete;
};
