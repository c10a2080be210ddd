// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <gtest/gtest.h>
#include <QApplication>
#include <QFontInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/program.h"
#include "app/program_windows.h"

// Every layout expectation assumes Arial's metrics; refuse to run on a
// machine where "arial" is some other face.
static bool arialIsLiberationSans() {
    const QFontInfo info{QFont(QStringLiteral("arial"))};
    if (info.family() == QLatin1String("Liberation Sans")) return true;
    std::fprintf(stderr,
                 "\"arial\" resolves to \"%s\", not \"Liberation Sans\": install fonts-liberation "
                 "(./test.sh does) before running the tests.\n",
                 qPrintable(info.family()));
    return false;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Settings a test keeps go to a folder of their own, not the user's,
    // and each test process to its own: ctest runs the suites side by side,
    // and one suite's calibration must not move another's pages.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    if (!arialIsLiberationSans()) return 2;
    return RUN_ALL_TESTS();
}
