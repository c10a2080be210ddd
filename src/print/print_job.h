// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QRect>
#include <QString>
#include <vector>

#include "render/cover_value.h"

class QPainter;
class QPrinter;

// Draws the cover's page on the printer as set up, through one painter;
// raises an error when the printer cannot start or reports one.
void PaintCoverPage(QPrinter& printer, const CoverValue& cover);

// Any page drawn so: the painter is active on the page, `dotsPerInch` the
// printer's resolution.
using PageDrawing = std::function<void(QPainter& painter, int dotsPerInch)>;
void PaintPage(QPrinter& printer, const PageDrawing& draw);
// The same as one job of the printer's CUPS queue, if it has one: refused
// before drawing when the queue takes no jobs, and an error when the
// scheduler refused the job.
void PrintPage(QPrinter& printer, const PageDrawing& draw);

// Names the job after the cover's artist and title and, for a kind other
// than the jewel case, chooses the paper it needs.
void PrepareCoverPrint(QPrinter& printer, const CoverValue& cover);

// "Cannot print to %1: %2", in the program's language.
QString CannotPrintToMessage();

// One job of one page on the printer as set up; raises an error when the
// printer cannot start or reports a failure. A file the printer writes to
// is named in its failures after `failing`.
void PrintCover(QPrinter& printer, const CoverValue& cover,
                const QString& failing = CannotPrintToMessage());
