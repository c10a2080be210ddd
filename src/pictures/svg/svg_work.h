// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QRectF>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>
#include <vector>

class QXmlStreamReader;

// The most drawing work an SVG may ask for, in units of one element, one
// path segment or polygon point, or one character of text, counting what
// references draw again; a drawing past the budget is refused before it
// is parsed. Measured at a printed insert at 600 dpi (2900 x 2800):
// 200,000 small rectangles parse and draw in 1.0 s. What the shapes cost
// at the size they are drawn is the drawing meter's to weigh; what it
// cannot see is the renderer sorting the crossing edges of one path among
// each other, which grows faster than the path's points: 200,000 stroked
// segments in one path take 4.6 s, so one path may have a quarter of them
// (a point of it weighs SvgSegmentWork).
inline constexpr long long SvgWorkBudget = 200'000;
inline constexpr long long SvgSegmentWork = 4;

// The renderer's work for each pixel, in tenths of a unit of the drawing
// meter (about 1 ns). The renderer composites every layer (a group with a
// filter, mask, clip path, opacity or blending) on a surface as large as
// the whole drawing, however small what it holds: each costs work over the
// whole area, and so does each filter step's result. A step's own work
// covers the filter's region (the whole area unless regionalFilters() tells
// otherwise). Measured on 1000 x 1000 by the clock on the wall, with shapes
// small and whole (the Svg cases of bench/drawing_work_bench.cpp): a layer
// costs 0.1 units for each pixel of the whole area, a mask 2, a filter 1
// and each of its steps 0.1 to 0.8 more (a blur the most); over its region
// a blur costs 6 to 12 (the first the most), lighting 6, an octave of noise
// 8, a tap of a convolution 0.7, a morphology step 15 for each pixel of its
// radius.
inline constexpr long long SvgPixelWorkPerUnit = 10;
inline constexpr long long SvgLayerPixelWork = 2;
inline constexpr long long SvgMaskPixelWork = 18;
inline constexpr long long SvgFilterPixelWork = 8;
inline constexpr long long SvgBlurPixelWork = 100;

// The numbers of an attribute such as "3" or "3 5" (the second the first
// when left out), as magnitudes; `fallback` for one that is no number.
std::pair<double, double> SvgNumberPair(QStringView value, double fallback);

// Weighs a drawing token by token as its text is read: what each element
// draws, and what each reference draws again of what it names (a `use`, a
// filter, mask, clip path or pattern, a marker once at every point of the
// shape), however deeply references nest. A style sheet's references are
// taken to apply to every element.
class SvgWorkTally {
  public:
    enum class Measure {
        // Elements, characters and segments drawn.
        Work,
        // The renderer's work for each pixel of the area drawn, in tenths
        // of a unit of the drawing meter (SvgPixelWorkPerUnit): groups it
        // composites as layers of their own (with a filter, mask, clip
        // path, opacity or blending) and every filter step.
        PixelWork,
        // Of that, what grows with the drawing's scale: the radii of
        // morphology steps, in the drawing's units.
        ScaledPixelWork,
    };
    explicit SvgWorkTally(Measure measure = Measure::Work) : measure_(measure) {}
    // Reads the reader's current token.
    void add(const QXmlStreamReader& xml);
    // The drawing's whole tally once every token was added. Of Work, past
    // the budget (or endless, a reference that contains itself) it is
    // SvgWorkBudget + 1; of the pixels' work, endless is far beyond any
    // budget.
    long long total() const;
    // The tally so far without references: past the budget, the drawing is
    // refused without reading further.
    long long direct() const { return direct_; }

    // A filter on an element drawn once, whose steps' own work (PixelWork)
    // covers only the filter's region around the element's bounds:
    // `region` in units of those bounds (the filter's x, y, width and
    // height), or empty for a region given in the drawing's own units.
    struct RegionalFilter {
        QString element;
        QRectF region;
        long long work = 0;
    };
    // The filters on elements with an id that no reference draws again:
    // total() counts their steps over the whole area, and less their work
    // is the rest. Empty when the drawing's work is endless.
    std::vector<RegionalFilter> regionalFilters() const;

  private:
    // An element whose end is not yet read: its own tally, the references
    // it and its children make (by target id, with their counts).
    struct Open {
        QString id;
        long long work = 0;
        QHash<QString, long long> uses;
        bool styleSheet = false;
        bool definition = false;  // drawn only where referenced
    };
    struct Closed {
        long long work = 0;
        QHash<QString, long long> uses;
    };
    // `points`: the element's path or point list's points (shapePoints).
    long long ownWork(const QXmlStreamReader& xml, long long points) const;
    QStringList openIds() const;
    void addSheet(QStringView sheet);
    long long withUses(long long work, const QHash<QString, long long>& uses,
                       QHash<QString, long long>& weights, QHash<QString, bool>& resolving,
                       int depth) const;
    long long resolve(const QString& id, QHash<QString, long long>& weights,
                      QHash<QString, bool>& resolving, int depth) const;

    Measure measure_;
    std::vector<Open> open_{Open()};  // the bottom one stands for the document
    QHash<QString, Closed> byId_;
    long long direct_ = 0;
    // What regionalFilters() needs: the filters met (their region), and
    // each filtered element with the ids of the elements it lies within.
    struct FilteredElement {
        QString filter;
        QStringList within;
    };
    QHash<QString, QRectF> filterRegions_;
    // The steps' own work of each filter (what covers its region), and the
    // filter whose steps are being read.
    QHash<QString, long long> filterStepWork_;
    QString readFilter_;
    std::vector<std::pair<QString, FilteredElement>> filtered_;
    QSet<QString> referenced_;
    // Elements and their points, where a style sheet's rules may apply.
    long long elements_ = 0;
    long long vertices_ = 0;
    // What style sheets ask of every element: references, and layers.
    QHash<QString, long long> sheetUses_;
    QHash<QString, long long> sheetMarkerUses_;
    long long sheetLayers_ = 0;
};
