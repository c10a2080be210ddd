// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: what the command line asks for, and, unless that ends
// the run (an export, the help, a mistake), the windows and their loop.
#include <QApplication>

#include "app/command_line.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "app/translations.h"

int main(int argc, char** argv) {
    ChooseDisplayForCommandLine(argc, argv);
    QApplication application(argc, argv);
    SetUpApplication();
    const CommandLineOutcome outcome = RunCommandLine(QApplication::arguments());
    if (!outcome.opensWindows) return outcome.status;
    // The windows speak the desktop's language; the command line's output,
    // which scripts read, stays as it is.
    InstallTranslations(QLocale::system(), InstalledTranslationsFolder());
    return RunProgramWindows(outcome.files);
}
