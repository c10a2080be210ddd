// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "app/program.h"
#include "app/program_windows.h"
#include "support/qt_printers.h"
#include "support/scripted_seams.h"

// How long a test waits for what a window system does (a window shown,
// activated, framed, a click delivered): only a hang comes near it, so a
// loaded machine is slow, never failed.
inline constexpr int WindowSystemHangMs = 5 * 60 * 1000;

// Each test starts from fresh windows, reset cover state and a scripted
// error box that records what it was asked to show.
class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Ends the windows and starts them anew, as a new run of the program
    // would (the error box stays).
    void restartProgram();
    // Runs `action` once the next modal window is open, then returns.
    static void whenModalOpens(std::function<void()> action);
    // Under a window manager, waits until it has framed `window` (up to two
    // seconds), so that sizes and places are read as the user sees them;
    // false when no frame came. Without a window manager there is nothing to
    // wait for.
    static bool waitUntilFramed(const QWidget* window);
    // The window's outer rectangle, frame included, as the user sees it:
    // under X read from the server (the window's place and the frame extents
    // its manager declares), elsewhere as Qt knows it.
    static QRect outerRect(const QWidget* window);
    // How far the window's frame is from the centre of its screen's
    // available area, as the larger of the two distances.
    static int distanceFromScreenCentre(const QWidget* window);

    ScriptedErrorBox* errors = nullptr;

  private:
    std::unique_ptr<ErrorBox> previousErrorBox_;
    std::unique_ptr<ProgramWindows> windows_;
};
