// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program as a whole: its windows made and owned together, the
// application's names and icon, and a run of the windows.

#include <memory>

#include <QString>
#include <QStringList>

class DocumentSession;
class TForm1;
class TForm2;
class TForm3;

enum class WindowShowing { Shown, Hidden };

// Creates the windows in the program's order: the main window (shown at
// once, so its start-up and showing run before the others exist), then the
// hidden track editor and about box, then the document session that follows
// the cover they hold. Destroying it ends them all. Hidden, the main window
// is not shown either: a cover can be opened and exported without a display.
class ProgramWindows {
  public:
    explicit ProgramWindows(WindowShowing showing = WindowShowing::Shown);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

  private:
    std::unique_ptr<TForm1> mainWindow_;
    std::unique_ptr<TForm2> trackEditor_;
    std::unique_ptr<TForm3> aboutBox_;
    std::unique_ptr<DocumentSession> session_;
};

// Names the running application and gives it its icon.
void SetUpApplication();

// The windows, with the first of `paths` opened and each other one in a
// program of its own, until the main window closes.
int RunProgramWindows(const QStringList& paths);
