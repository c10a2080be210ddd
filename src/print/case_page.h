// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QMarginsF>
#include <QPointF>
#include <QSizeF>

#include "cases/case_shapes.h"
#include "print/printable_area.h"
#include "render/cover_value.h"

class QPainter;
class QPrinter;
struct LabelSheet;
struct PrinterCalibration;

// Where each copy of the piece has its top-left corner, in mm from the
// printable area's corner. On plain paper, one copy 10 mm in where there
// is room, less where there is not; on a label sheet, a disc at each of
// the sheet's places. Raises an error naming the sizes when the printable
// area cannot hold a copy, on a sheet once the calibration has moved it:
// nothing is clipped silently.
std::vector<QPointF> CaseCopies(const CaseShape& shape, const PrintableArea& area,
                                const LabelSheet* sheet, const PrinterCalibration& calibration);

// Raises that error before anything is printed on the printer as set up.
void CheckCaseFitsPrinter(const CoverValue& cover, const QPrinter& printer);

// What the user should know before the cover prints on this printer: a
// label sheet's paper the printer does not list. Empty when nothing.
QString SheetPaperNote(const QPrinter& printer, const CoverValue& cover);

// The paper the kind needs by default: a DVD wrap is wider than A4 or
// Letter paper is across, so it prints landscape; a disc label on a label
// sheet takes the sheet's paper.
void SetPaperForCase(const CoverValue& cover, QPrinter& printer);

// Draws the cover's page: every piece at physical size, from the top-left
// corner of the printable area. The painter is active on the page;
// `dotsPerInch` is the device's resolution.
void DrawCoverPage(QPainter& painter, int dotsPerInch, const CoverValue& cover);
