// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/handler_guard.h"

#include <QCoreApplication>

#include <exception>

#include "base/error_box.h"

namespace {

std::function<void()>& afterEveryHandler() {
    static std::function<void()> action;
    return action;
}

void runShowingErrors(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const SleevixError& error) {
        ApplicationErrorBox().Show(error.message());
    } catch (const std::bad_alloc&) {
        ApplicationErrorBox().Show(QCoreApplication::translate("Errors", "Out of memory"));
    } catch (const std::exception& error) {
        ApplicationErrorBox().Show(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ApplicationErrorBox().Show(QCoreApplication::translate("Errors", "Unexpected error"));
    }
}

}  // namespace

void SetAfterEveryHandler(std::function<void()> action) {
    afterEveryHandler() = std::move(action);
}

void RunHandler(const std::function<void()>& handler) {
    runShowingErrors(handler);
    if (afterEveryHandler()) runShowingErrors(afterEveryHandler());
}
