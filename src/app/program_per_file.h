// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// A program holds one cover, so each further file named on the command line
// (a file manager passes every file selected) opens in a program of its own,
// started from this one's executable. Raises an error naming the files that
// could not be started.
void StartProgramForEach(const QStringList& paths);
