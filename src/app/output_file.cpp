// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/error_box.h"

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

QString procPath(int fd) {
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

// The permissions a new file gets, or those of the file replaced.
mode_t usualMode(const QString& target) {
    struct stat existing {};
    if (::stat(encoded(target).constData(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Why a write failed, as the user is told: "the disk is full" rather than
// the system's words for it.
QString reasonOf(int error) {
    if (error == ENOSPC || error == EDQUOT || error == EFBIG) return DiskIsFullReason();
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

QString DiskIsFullReason() {
    return QCoreApplication::translate("OutputFile", "the disk is full");
}

QString CannotWriteMessage() {
    return QCoreApplication::translate("OutputFile", "Cannot write %1: %2");
}

OutputFile::OutputFile(const QString& target, const QString& failing)
    : target_(target), failing_(failing) {
    struct stat existing {};
    if (::stat(encoded(target).constData(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) fail(EISDIR);
        direct_ = true;
        return;
    }
    const QByteArray folder = encoded(QFileInfo(target).absolutePath());
    fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0) return;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) fail(errno);
    // A file system without unnamed files: a hidden name beside the target.
    QByteArray pattern = folder + "/.sleevix-XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) fail(errno);
    named_ = QFile::decodeName(pattern);
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!named_.isEmpty()) ::unlink(encoded(named_).constData());
}

QString OutputFile::writablePath() const {
    return direct_ ? target_ : procPath(fd_);
}

void OutputFile::write(const QByteArray& bytes) {
    if (direct_) {
        QFile file(target_);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw SleevixError(failing_.arg(QDir::toNativeSeparators(target_), file.errorString()));
        return;
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd_, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) fail(errno);
        written += count;
    }
}

void OutputFile::commit() {
    if (direct_) return;
    if (::fchmod(fd_, usualMode(target_)) != 0 || ::fsync(fd_) != 0) fail(errno);
    if (named_.isEmpty()) {
        // Linked under a passing name, then renamed over the target: a link
        // cannot replace a file, a rename can.
        QByteArray passing = encoded(QFileInfo(target_).absolutePath()) + "/.sleevix-XXXXXX";
        const int placeholder = ::mkstemp(passing.data());
        if (placeholder < 0) fail(errno);
        ::close(placeholder);
        ::unlink(passing.constData());
        if (::linkat(AT_FDCWD, encoded(procPath(fd_)).constData(), AT_FDCWD, passing.constData(),
                     AT_SYMLINK_FOLLOW) != 0)
            fail(errno);
        named_ = QFile::decodeName(passing);
    }
    if (std::rename(encoded(named_).constData(), encoded(target_).constData()) != 0) fail(errno);
    named_.clear();
}

void OutputFile::fail(int error) const {
    throw SleevixError(failing_.arg(QDir::toNativeSeparators(target_), reasonOf(error)));
}
