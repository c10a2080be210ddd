// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's print engines do not report every failure: the CUPS engine drops the
// scheduler's answer to the job, and the PDF writer ignores short writes.
// These checks find out and raise an error the user can act on.

#include <QString>

// Before drawing: raises an error when the CUPS queue is unknown or is not
// accepting jobs. A paused queue still accepts (and holds) jobs.
void CheckQueueAcceptsJobs(const QString& queue);

// After the job was handed over: raises an error when CUPS refused it.
// Valid only right after CheckQueueAcceptsJobs and the job, on this thread.
void CheckQueueTookJob(const QString& queue);

// After printing to a file: raises an error, naming `shownPath`, when the
// file at `path` was not written to its end (a full disk, a quota).
void CheckFileWrittenCompletely(const QString& path, const QString& shownPath);
