// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "base/sleevix_error.h"

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

QString procPath(int fd) {
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

// The names this class gives a file on its way to the target's: hidden,
// beside the target, a fixed prefix and six letters or digits.
const QByteArray PassingPrefix = QByteArrayLiteral(".sleevix-");
constexpr int PassingLetters = 6;
const QString PassingPattern = QStringLiteral(".sleevix-??????");
// A passing file this old was left by a program killed while writing: a
// write in progress changes its file far more often than this.
constexpr qint64 StaleAfterSeconds = 10 * 60;
// Names tried before giving up on a folder full of passing names.
constexpr int PassingAttempts = 100;

QByteArray passingName(const QByteArray& folder) {
    static const char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = folder + '/' + PassingPrefix;
    for (int i = 0; i < PassingLetters; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return name;
}

// What a program killed between making and renaming a passing file left:
// our own regular files of the passing pattern, not changed for a while.
void removeStalePassingFiles(const QString& folder) {
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-StaleAfterSeconds);
    const QFileInfoList found = QDir(folder).entryInfoList(
        {PassingPattern}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& file : found) {
        struct stat status {};
        const QByteArray path = encoded(file.absoluteFilePath());
        if (::lstat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
            status.st_uid != ::getuid())
            continue;
        if (QDateTime::fromSecsSinceEpoch(status.st_mtime, Qt::UTC) < staleBefore)
            ::unlink(path.constData());
    }
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
    removeStalePassingFiles(QFileInfo(target).absolutePath());
    const QByteArray folder = encoded(QFileInfo(target).absolutePath());
    fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0) return;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) fail(errno);
    // A file system without unnamed files: a hidden name beside the target.
    QByteArray pattern = folder + '/' + PassingPrefix + QByteArray(PassingLetters, 'X');
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
        // A new file is linked under its name at once. One that replaces a
        // file is linked under a passing name first and renamed over it (a
        // link cannot replace a file, a rename can); a kill between the two
        // leaves a whole copy, which the next write in the folder removes.
        const QByteArray unnamed = encoded(procPath(fd_));
        if (::linkat(AT_FDCWD, unnamed.constData(), AT_FDCWD, encoded(target_).constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return;
        if (errno != EEXIST) fail(errno);
        const QByteArray folder = encoded(QFileInfo(target_).absolutePath());
        for (int attempt = 0; named_.isEmpty(); ++attempt) {
            const QByteArray passing = passingName(folder);
            if (::linkat(AT_FDCWD, unnamed.constData(), AT_FDCWD, passing.constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                named_ = QFile::decodeName(passing);
            else if (errno != EEXIST || attempt + 1 >= PassingAttempts)
                fail(errno);
        }
    }
    if (std::rename(encoded(named_).constData(), encoded(target_).constData()) != 0) fail(errno);
    named_.clear();
}

void OutputFile::fail(int error) const {
    throw SleevixError(failing_.arg(QDir::toNativeSeparators(target_), reasonOf(error)));
}
