// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// While one is alive, pictures are read for the printed page alone: the
// renders leave the pictures of files off the screen's surfaces (a picture
// held in memory is still drawn), and the printed page raises a picture
// file's error instead of falling back to the screen's copy, which there
// is none of. For an export that writes only the printed page, where the
// screen's decodes would be work nobody sees.
class PrintOnlyPictures {
  public:
    PrintOnlyPictures();
    ~PrintOnlyPictures();
    PrintOnlyPictures(const PrintOnlyPictures&) = delete;
    PrintOnlyPictures& operator=(const PrintOnlyPictures&) = delete;

    static bool Active();
};
