#include "support/window_fixture.h"

#include <QApplication>
#include <QTimer>

#include "app/cover_state.h"

void WindowFixture::SetUp() {
    ResetCoverState();
    auto box = std::make_unique<ScriptedErrorBox>();
    errors = box.get();
    previousErrorBox_ = SetApplicationErrorBox(std::move(box));
    windows_ = std::make_unique<ProgramWindows>();
}

void WindowFixture::TearDown() {
    windows_.reset();
    SetApplicationErrorBox(std::move(previousErrorBox_));
    errors = nullptr;
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
}
