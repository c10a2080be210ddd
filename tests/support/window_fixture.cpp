// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "cases/label_sheets.h"
#include "app/cover_state.h"
#include "app/program.h"

namespace {
// The polls still waiting for a modal window; a test ends them all.
std::vector<QPointer<QTimer>>& pendingPolls() {
    static std::vector<QPointer<QTimer>> polls;
    return polls;
}
}  // namespace

void WindowFixture::SetUp() {
    ResetCoverState();
    UseLabelSheet(nullptr);  // kept by the program between covers, not between tests
    auto box = std::make_unique<ScriptedErrorBox>();
    errors = box.get();
    previousErrorBox_ = SetApplicationErrorBox(std::move(box));
    windows_ = std::make_unique<ProgramWindows>();
}

void WindowFixture::TearDown() {
    // A poll still running means the modal window it waited for never
    // opened: that fails the test, and the poll must not outlive it.
    for (const QPointer<QTimer>& poll : pendingPolls()) {
        if (!poll || !poll->isActive()) continue;
        ADD_FAILURE() << "a modal window was expected, but none opened";
        delete poll.data();
    }
    pendingPolls().clear();
    windows_.reset();
    SetApplicationErrorBox(std::move(previousErrorBox_));
    errors = nullptr;
}

void WindowFixture::restartProgram() {
    windows_.reset();
    ResetCoverState();
    windows_ = std::make_unique<ProgramWindows>();
}

void WindowFixture::whenModalOpens(std::function<void()> action) {
    // Polls until a modal window is up, so the action runs inside its loop.
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (!QApplication::activeModalWidget()) return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start();
    pendingPolls().emplace_back(poll);
}

namespace {
// The window manager the suite runs under (tests/wm/under_openbox.sh says
// which); unknown, it counts as running.
bool windowManagerRunning() {
    const QString pid = qEnvironmentVariable("SLEEVIX_TEST_WINDOW_MANAGER_PID");
    return pid.isEmpty() || QFileInfo::exists(QStringLiteral("/proc/") + pid);
}
}  // namespace

bool WindowFixture::waitUntilFramed(const QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return true;
    // A loaded machine or a sanitizer build frames late, however late: the
    // wait ends when the frame comes or the window manager has gone. The
    // bound only keeps a lost frame from hanging the suite.
    QElapsedTimer waited;
    waited.start();
    while (window->frameGeometry() == window->geometry()) {
        if (!windowManagerRunning()) {
            ADD_FAILURE() << "the window manager ended before it framed "
                          << window->windowTitle().toStdString();
            return false;
        }
        if (waited.elapsed() > WindowSystemHangMs) return false;
        QTest::qWait(10);
    }
    // A sizing that follows the frame, or a correction of the window
    // manager's own placement, comes once the window has been quiet a while.
    constexpr int SettledAfterMs = 400;
    QRect last = window->frameGeometry();
    QElapsedTimer stable;
    stable.start();
    while (stable.elapsed() < SettledAfterMs && waited.elapsed() < WindowSystemHangMs) {
        QTest::qWait(20);
        if (window->frameGeometry() != last) {
            last = window->frameGeometry();
            stable.restart();
        }
    }
    return true;
}

namespace {

// What an X tool prints about the window.
QString askX(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int numberAfter(const QString& text, const QString& label) {
    const QRegularExpression pattern(QRegularExpression::escape(label) +
                                     QStringLiteral(":\\s*(-?\\d+)"));
    return pattern.match(text).captured(1).toInt();
}

}  // namespace

QRect WindowFixture::outerRect(const QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return window->frameGeometry();
    const QString id = QString::number(window->winId());
    const QString info = askX(QStringLiteral("xwininfo"), {"-id", id});
    const QRect client(numberAfter(info, "Absolute upper-left X"),
                       numberAfter(info, "Absolute upper-left Y"), numberAfter(info, "Width"),
                       numberAfter(info, "Height"));
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    static const QRegularExpression extents(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
    const QRegularExpressionMatch frame =
        extents.match(askX(QStringLiteral("xprop"), {"-id", id, "_NET_FRAME_EXTENTS"}));
    if (!frame.hasMatch()) return client;
    return client.adjusted(-frame.captured(1).toInt(), -frame.captured(3).toInt(),
                           frame.captured(2).toInt(), frame.captured(4).toInt());
}

int WindowFixture::distanceFromScreenCentre(const QWidget* window) {
    const QPoint centre = outerRect(window).center();
    const QPoint screen = window->screen()->availableGeometry().center();
    return std::max(std::abs(centre.x() - screen.x()), std::abs(centre.y() - screen.y()));
}
