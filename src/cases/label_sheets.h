// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Disc labels print on plain paper, to be cut along the circle, or on the
// label sheets people buy, with their discs where the makers put them. The
// sheets are data: a further sheet is a row of label_sheet_table.inc, each
// naming where its figures were published (docs/label-sheets.md).

#include <deque>
#include <vector>

#include <QPageSize>
#include <QPointF>
#include <QString>

struct LabelSheet {
    QString maker;                     // "Avery"
    QString product;                   // "L6015"
    QPageSize::PageSizeId paper;
    std::vector<QPointF> discCentres;  // mm from the sheet's top-left corner
    double outerDiameterMm;
    double holeDiameterMm;
    QString source;                    // where the figures were published
};

// Every sheet of the table, by maker and then product, then those of the
// label designer's templates installed on this machine that the table
// lacks (read once, in the decode helper).
const std::deque<LabelSheet>& LabelSheets();

// How large a label Sleevix prints on: a sheet's discs are this size, give
// or take the makers' tolerances.
inline constexpr double LeastSheetDiscMm = 114;
inline constexpr double LargestSheetDiscMm = 120;

// "Avery L6015": how documents, the command line and the windows name it.
QString LabelSheetName(const LabelSheet& sheet);
// The sheet of that name, whatever its letters' case; none for another.
const LabelSheet* LabelSheetNamed(const QString& name);

// The sheet disc labels print on; none (plain paper) unless chosen.
const LabelSheet* ChosenLabelSheet();
// The user's choice, kept between runs.
void ChooseLabelSheet(const LabelSheet* sheet);
// A document's or the command line's sheet, for this cover alone.
void UseLabelSheet(const LabelSheet* sheet);
// The choice kept from the last run, made again at start.
void RestoreChosenLabelSheet();
