// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <vector>

class QXmlStreamReader;

// The most drawing work an SVG may ask for, in units of one element or one
// character of text; a path segment or polygon point weighs SvgSegmentWork,
// as stroking one costs several times drawing a small shape. Measured at a
// printed insert at 600 dpi (2900 x 2800): 200,000 small rectangles parse
// and draw in 1.0 s, 200,000 stroked segments take 4.6 s, so a quarter of
// them fits; a drawing past the budget is refused before it is parsed.
inline constexpr long long SvgWorkBudget = 200'000;
inline constexpr long long SvgSegmentWork = 4;

// Weighs a drawing's work token by token as its text is read: what each
// element draws, and what each `use` draws again of what it references,
// however deeply references nest.
class SvgWorkTally {
  public:
    // Reads the reader's current token.
    void add(const QXmlStreamReader& xml);
    // The drawing's whole work once every token was added; past the budget
    // (or endless, a reference that contains itself) it is SvgWorkBudget + 1.
    long long total() const;
    // The work counted so far without references: past the budget, the
    // drawing is refused without reading further.
    long long direct() const { return direct_; }

  private:
    // An element whose end is not yet read: its own work, the references
    // it and its children make (by target id, with their counts).
    struct Open {
        QString id;
        long long work = 0;
        QHash<QString, long long> uses;
    };
    struct Closed {
        long long work = 0;
        QHash<QString, long long> uses;
    };
    long long resolve(const QString& id, QHash<QString, long long>& weights,
                      QHash<QString, bool>& resolving, int depth) const;

    std::vector<Open> open_{Open()};  // the bottom one stands for the document
    QHash<QString, Closed> byId_;
    long long direct_ = 0;
};
