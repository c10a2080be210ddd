// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class TForm1;
class TForm2;
class TForm3;

// The program's three windows, created once and reachable from every handler.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;

// Creates the windows in the program's order: the main window (shown at
// once, so its start-up and showing run before the others exist), then the
// hidden track editor and about box. Destroying it ends them all.
class ProgramWindows {
  public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

  private:
    std::unique_ptr<TForm1> mainWindow_;
    std::unique_ptr<TForm2> trackEditor_;
    std::unique_ptr<TForm3> aboutBox_;
};

// Names the running application and gives it its icon.
void SetUpApplication();

// The program entry: application set-up, windows, message loop.
int RunSleevix(int argc, char** argv);
