// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/input_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

[[noreturn]] void refuse(const QString& path, const QString& why) {
    throw InputFileRefused(QCoreApplication::translate("InputFile", "Cannot open file %1. %2")
                               .arg(QuotedFileName(path), why));
}

[[noreturn]] void failWith(const QString& path, int error) {
    refuse(path, QString::fromLocal8Bit(std::strerror(error)));
}

// A regular file no larger than the kind allows, or the refusal saying
// what the file is.
void checkStatus(const QString& path, const struct stat& status, InputKind kind) {
    if (S_ISDIR(status.st_mode))
        refuse(path, QCoreApplication::translate("InputFile", "It is a folder"));
    if (!S_ISREG(status.st_mode))
        refuse(path, QCoreApplication::translate("InputFile", "It is not a regular file"));
    if (status.st_size > kind.largest)
        refuse(path, QCoreApplication::translate("InputFile", "It is too large to be %1 (%2 bytes)")
                         .arg(QCoreApplication::translate("InputFile", kind.noun))
                         .arg(qint64(status.st_size)));
}

}  // namespace

QString QuotedFileName(const QString& path) {
    return QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
}

InputFile::InputFile(const QString& path, InputKind kind) : path_(path), kind_(kind) {
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, so that no device is opened at all...
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) failWith(path, errno);
    checkStatus(path, status, kind);
    // ...and opened without blocking, should a pipe take its place meanwhile.
    fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) failWith(path, errno);
    checkOpened();
}

InputFile::InputFile(int openedFd, const QString& path, InputKind kind)
    : path_(path), kind_(kind), fd_(openedFd) {
    checkOpened();
}

void InputFile::checkOpened() {
    struct stat status {};
    try {
        if (::fstat(fd_, &status) != 0) failWith(path_, errno);
        checkStatus(path_, status, kind_);
    } catch (...) {
        ::close(fd_);
        throw;
    }
    size_ = status.st_size;
}

InputFile::~InputFile() {
    ::close(fd_);
}

long long InputFile::readInto(long long offset, char* buffer, long long count) {
    long long filled = 0;
    while (offset >= 0 && filled < count) {
        const ssize_t got =
            ::pread(fd_, buffer + filled, size_t(count - filled), off_t(offset + filled));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failWith(path_, errno);
        if (got == 0) break;  // the end, or shortened meanwhile
        filled += got;
    }
    return filled;
}

QByteArray InputFile::readAt(long long offset, long long count) {
    QByteArray bytes;
    if (count <= 0) return bytes;
    bytes.resize(qsizetype(count));
    bytes.truncate(qsizetype(readInto(offset, bytes.data(), count)));
    return bytes;
}

QByteArray InputFile::readWhole() {
    // One byte more than the file reports, or than the limit for a file that
    // reports none: no buffer of the limit's size is taken for a small file,
    // and a file that grew meanwhile is read on to the limit.
    const long long first = std::min(size_ > 0 ? size_ : kind_.largest, kind_.largest) + 1;
    QByteArray bytes = readAt(0, first);
    if (bytes.size() == first && first <= kind_.largest)
        bytes += readAt(first, kind_.largest + 1 - first);
    if (bytes.size() > kind_.largest)
        refuse(path_, QCoreApplication::translate("InputFile",
                                                  "It is too large to be %1 (more than %2 bytes)")
                          .arg(QCoreApplication::translate("InputFile", kind_.noun))
                          .arg(kind_.largest));
    return bytes;
}

QByteArray ReadInputFile(const QString& path, InputKind kind) {
    InputFile file(path, kind);
    return file.readWhole();
}
