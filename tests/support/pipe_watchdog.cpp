// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pipe_watchdog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

PipeWatchdog::PipeWatchdog(const QString& path, std::chrono::milliseconds allowed)
    : path_(QFile::encodeName(path)), thread_([this, allowed] { watch(allowed); }) {}

PipeWatchdog::~PipeWatchdog() {
    released();
}

bool PipeWatchdog::released() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        finished_ = true;
    }
    done_.notify_all();
    if (thread_.joinable()) thread_.join();
    return released_;
}

void PipeWatchdog::watch(std::chrono::milliseconds allowed) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (done_.wait_for(lock, allowed, [this] { return finished_; })) return;
    // The reader is stuck: a writer that opens and closes at once sets it free.
    // Opening for writing without blocking fails while no reader is there yet.
    while (!finished_) {
        const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            released_ = true;
            ::close(fd);
        }
        done_.wait_for(lock, std::chrono::milliseconds(50), [this] { return finished_; });
    }
}

bool MakeNamedPipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}
