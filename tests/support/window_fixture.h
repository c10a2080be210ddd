#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "app/program_windows.h"
#include "support/qt_printers.h"
#include "support/scripted_seams.h"

// Each test starts from fresh windows, reset cover state and a scripted
// error box that records what it was asked to show.
class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `action` once the next modal window is open, then returns.
    static void whenModalOpens(std::function<void()> action);

    ScriptedErrorBox* errors = nullptr;

  private:
    std::unique_ptr<ErrorBox> previousErrorBox_;
    std::unique_ptr<ProgramWindows> windows_;
};
