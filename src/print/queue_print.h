// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printing without a window, for scripts: the cover goes to a queue named
// on the command line as the Print button would send it there.

#include <QString>

#include "render/cover_value.h"

// The queue named, or the default one for none; raises an error when there
// is no default.
QString QueueOrDefault(const QString& queue);

// Prints the cover to the queue (empty: the default one) with the queue's
// own paper, the page, checks and messages of the Print button; raises an
// error the user can act on, and returns what the user should know (a
// label sheet's paper the printer does not list), empty when nothing;
// `strict` refuses to print when there is something.
QString PrintToQueue(const QString& queue, const CoverValue& cover, bool strict);
