// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kinds of cover the program makes, each a row of the table in
// case_shapes.cpp, laid out and drawn by render/case_render.cpp. The main
// window shows the jewel case on surfaces of its own, laid out by the same
// steps under its screen rules (render/jewel_screen.cpp).

#include <optional>

#include <QString>

enum class CaseKind { Jewel, Slim, Dvd, Disc };

// A disc label's centre hole: the usual printable disc leaves 41 mm bare, a
// full-face printable disc only 17 mm.
enum class DiscHole { Standard = 41, FullFace = 17 };

// The names documents and the command line use: "jewel", "slim", "dvd",
// "disc".
QString CaseKindName(CaseKind kind);
std::optional<CaseKind> CaseKindNamed(const QString& name);
// The names people read ("Jewel case", "Slim case", "DVD case", "Disc label").
QString CaseKindCaption(CaseKind kind);

// The kind of the cover at hand, with the disc label's own choices.
struct CaseChoice {
    CaseKind kind = CaseKind::Jewel;
    DiscHole hole = DiscHole::Standard;
    bool discTrackList = true;  // a disc label may carry artist and title alone
    // A disc label's artist and title run along its arcs, the track list
    // beside or below the hole; else they stand straight above and below it.
    bool discArcs = false;
};
bool operator==(const CaseChoice& a, const CaseChoice& b);
inline bool operator!=(const CaseChoice& a, const CaseChoice& b) {
    return !(a == b);
}

inline constexpr CaseKind AllCaseKinds[] = {CaseKind::Jewel, CaseKind::Slim, CaseKind::Dvd,
                                            CaseKind::Disc};
