// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The command line:
//   sleevix [FILE...]                   the windows, with the first FILE
//                                       opened and each other FILE in a
//                                       program of its own
//   sleevix --export OUT FILE [--paper a4|letter] [--scale N]
//                             [--case jewel|slim|dvd|disc] [--bleed MM]
//                                       OUT (.pdf or .png) from FILE, no window
//   sleevix --help | --version

// Before the application object exists: a run that opens no window (an
// export, the help, the version) needs no display, so it gets Qt's
// off-screen platform.
void ChooseDisplayForCommandLine(int argc, char** argv);

// What the command line leaves to the program entry: to open the windows,
// with `files` opened, or to end with `status`.
struct CommandLineOutcome {
    bool opensWindows = false;
    QStringList files;
    int status = 0;
};

// Runs what the arguments ask for (the first is the program). An export
// prints nothing when it succeeds; any failure prints one line to standard
// error and gives a non-zero status.
CommandLineOutcome RunCommandLine(const QStringList& arguments);
