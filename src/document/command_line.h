// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The command line:
//   sleevix [FILE]                      the windows, with FILE opened
//   sleevix --export OUT FILE [--paper a4|letter] [--scale N]
//                                       OUT (.pdf or .png) from FILE, no window
//   sleevix --help | --version

// Before the application object exists: a run that opens no window (an
// export, the help, the version) needs no display, so it gets Qt's
// off-screen platform.
void ChooseDisplayForCommandLine(int argc, char** argv);

// Runs what the arguments ask for (the first is the program) and returns
// the process's exit status. An export prints nothing when it succeeds; any
// failure prints one line to standard error and gives a non-zero status.
int RunCommandLine(const QStringList& arguments);
