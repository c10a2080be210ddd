// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QObject>

// Runs a handler to completion; an error it throws ends it and is shown in
// the program-wide error box. Nothing ever throws through Qt's event loop.
void RunHandler(const std::function<void()>& handler);

// Gives an action to run after each handler RunHandler runs, however the
// handler ended (an empty one for none): whoever follows the cover learns
// of every command, those yet to come included.
void SetAfterEveryHandler(std::function<void()> action);

// Connects a signal to a handler that runs through RunHandler.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectHandler(Sender* sender, Signal signal, QObject* context,
                                       Handler handler) {
    return QObject::connect(sender, signal, context, [handler](auto&&...) { RunHandler(handler); });
}
