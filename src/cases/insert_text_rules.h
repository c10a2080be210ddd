// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the jewel case's inserts fit and place their texts, as data: one set
// of rules for the window's surfaces and one for the printed page. A kind
// whose row names no rules fits its texts into its boxes instead.

// Sizes are in points; lengths in the device's units (screen pixels, or
// tenths of a millimetre on paper); positions from the top-left corner of
// the text's box (the tray card, a spine, the front insert).
struct TextRules {
    // Every fit starts from these sizes.
    int trackStartSize;
    int frontStartSize;
    int spineStartSize;

    // The track block stays lower than this, its widest line narrower.
    int trackBlockLimit;
    int trackWidthLimit;
    int firstTrackTop;
    int flushLeftX;  // the track lines' left edge when they are not centred

    // The artist (measured with ": ") and the title each narrower than this.
    int frontWidthLimit;
    int artistTop;
    int titleGap;  // the title's top is the line height plus this

    // Across the spine the line stays lower than this, along it shorter.
    int spineHeightLimit;
    int spineLengthLimit;
    int spineMiddle;  // both spine texts are centred on this, down the spine
    int leftSpineX;
    int rightSpineX;
    // The right spine's text starts its line's height further in: its top
    // lies toward the outer edge.
    bool rightSpineAfterLineHeight;

    // The artist is centred as if ": " followed it in either layout (else
    // only when the track lines are centred, and the committed separator
    // otherwise).
    bool frontCentredOnColonAlways;
    // The centred layout draws ": " on the spines whatever the separator.
    bool spineShowsColonWhenCentred;
    // "Spines turned" exchanges the spines' reading directions.
    bool spinesMayTurn;
};

struct InsertTextRules {
    TextRules screen;
    TextRules page;
};

inline constexpr InsertTextRules JewelTextRules{
    // The window's surfaces: the tray card 400 x 353 pixels, the spines 22
    // wide, the front 361.
    {50, 50, 20, 349, 370, 5, 10, 351, 135, 140, 22, 348, 176, 1, 21, false, false, true, false},
    // The page, in tenths of a millimetre: the tray card 1380 x 1175, the
    // spines 60 wide, the front 1210 x 1200.
    {50, 50, 20, 1200, 1300, 5, 40, 1150, 440, 455, 64, 1100, 590, 0, 0, true, true, false, true},
};
