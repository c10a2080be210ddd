// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <QByteArray>
#include <QString>

// A named pipe for a test, and a watchdog that frees a reader blocked on it:
// if the test has not finished its step within the allowed time, the
// watchdog opens the pipe for writing (which lets a blocked open return)
// and closes it again (which ends a blocked read). The test then fails on
// `released()` instead of hanging.
class PipeWatchdog {
  public:
    explicit PipeWatchdog(const QString& path,
                          std::chrono::milliseconds allowed = std::chrono::seconds(30));
    ~PipeWatchdog();
    // Ends the watch; true if the watchdog had to free a blocked reader.
    bool released();

  private:
    void watch(std::chrono::milliseconds allowed);

    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::atomic<bool> released_{false};
    std::thread thread_;
};

// Makes a named pipe at `path`; false when the system refuses.
bool MakeNamedPipe(const QString& path);
