// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/handler_guard.h"

#include <exception>

#include "app/error_box.h"

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const SleevixError& error) {
        ApplicationErrorBox().Show(error.message());
    } catch (const std::bad_alloc&) {
        ApplicationErrorBox().Show(QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        ApplicationErrorBox().Show(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ApplicationErrorBox().Show(QStringLiteral("Unexpected error"));
    }
}
