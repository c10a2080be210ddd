// SPDX-License-Identifier: GPL-3.0-or-later
#include <stdexcept>

#include <gtest/gtest.h>

#include "base/error_box.h"
#include "base/handler_guard.h"
#include "support/qt_printers.h"
#include "support/scripted_seams.h"

TEST(ErrorBoxText, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Invalid GIF data")), "Invalid GIF data.");
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Done.")), "Done.");
    // ')' and '!' sort before '.', so they end the message as they are.
    EXPECT_EQ(ErrorBoxText(QStringLiteral("List index out of bounds (0)")),
              "List index out of bounds (0)");
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Stop!")), "Stop!");
    EXPECT_EQ(ErrorBoxText(QStringLiteral("a/")), "a/.");
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Caf\u00e9")), QStringLiteral("Caf\u00e9."));
    EXPECT_EQ(ErrorBoxText(QString()), QString());
}

class HandlerGuard : public ::testing::Test {
  protected:
    void SetUp() override {
        auto box = std::make_unique<ScriptedErrorBox>();
        errors = box.get();
        previous = SetApplicationErrorBox(std::move(box));
    }
    void TearDown() override { SetApplicationErrorBox(std::move(previous)); }
    ScriptedErrorBox* errors = nullptr;
    std::unique_ptr<ErrorBox> previous;
};

TEST_F(HandlerGuard, ShowsEveryKindOfErrorAndLetsTheProgramGoOn) {
    int stepsRun = 0;
    RunHandler([&] {
        ++stepsRun;
        throw SleevixError(QStringLiteral("Unknown picture file extension (.txt)"));
        ++stepsRun;  // never reached: the error ends the handler
    });
    RunHandler([] { throw std::runtime_error("disk full"); });
    RunHandler([] { throw 42; });
    RunHandler([&] { ++stepsRun; });

    EXPECT_EQ(stepsRun, 2);
    EXPECT_EQ(errors->shown, (QStringList{"Unknown picture file extension (.txt)", "disk full.",
                                          "Unexpected error."}));
}
