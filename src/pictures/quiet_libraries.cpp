// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/quiet_libraries.h"

#include <cstdio>
#include <mutex>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>
#include <QList>

namespace {

// libpng's own error handler (Qt's reader sets none) writes this.
constexpr char LibraryLinePrefix[] = "libpng error: ";

std::mutex guard;
int holders = 0;
int savedStream = -1;  // the real standard error while it is held back
int heldLines = -1;    // what was written meanwhile

void writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written <= 0) return;
        data += written;
        size -= written;
    }
}

// Puts the real stream back and passes on what was written, but the
// library's lines.
void release() {
    std::fflush(stderr);
    ::dup2(savedStream, STDERR_FILENO);
    ::close(savedStream);
    savedStream = -1;
    QByteArray held;
    char chunk[4096];
    ::lseek(heldLines, 0, SEEK_SET);
    for (ssize_t got; (got = ::read(heldLines, chunk, sizeof chunk)) > 0;) held.append(chunk, got);
    ::close(heldLines);
    heldLines = -1;
    QByteArray passed;
    for (const QByteArray& line : held.split('\n'))
        if (!line.isEmpty() && !line.startsWith(LibraryLinePrefix)) passed += line + '\n';
    writeAll(STDERR_FILENO, passed.constData(), passed.size());
}

}  // namespace

QuietLibraries::QuietLibraries() {
    const std::lock_guard<std::mutex> lock(guard);
    if (holders++ > 0 || savedStream >= 0) return;
    // Held in memory, not a pipe: nothing written can block the writer.
    const int memory = ::memfd_create("sleevix-held-errors", MFD_CLOEXEC);
    if (memory < 0) return;  // then nothing is held back
    std::fflush(stderr);
    savedStream = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (savedStream < 0 || ::dup2(memory, STDERR_FILENO) < 0) {
        if (savedStream >= 0) ::close(savedStream);
        savedStream = -1;
        ::close(memory);
        return;
    }
    heldLines = memory;
}

QuietLibraries::~QuietLibraries() {
    const std::lock_guard<std::mutex> lock(guard);
    if (--holders == 0 && savedStream >= 0) release();
}
