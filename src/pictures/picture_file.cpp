// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "app/error_box.h"

namespace {

QString shownName(const QString& fileName) {
    return QFileInfo(fileName).fileName();
}

[[noreturn]] void failToOpen(const QString& fileName, int error) {
    throw SleevixError(QStringLiteral("Cannot open file \"%1\". %2")
                           .arg(shownName(fileName), QString::fromLocal8Bit(std::strerror(error))));
}

[[noreturn]] void failNotRegular(const QString& fileName) {
    throw SleevixError(QStringLiteral("Cannot open file \"%1\". It is not a regular file")
                           .arg(shownName(fileName)));
}

// Checked before the file is opened, and again on what was opened.
void checkFileSize(const QString& fileName, const struct stat& status, long long largest) {
    if (status.st_size > largest)
        throw SleevixError(
            QStringLiteral("Cannot open file \"%1\". It is too large to be a picture "
                           "(%2 bytes)")
                .arg(shownName(fileName))
                .arg(qint64(status.st_size)));
}

}  // namespace

OpenedPictureFile::OpenedPictureFile(const QString& fileName, long long largest)
    : fileName_(fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) failToOpen(fileName, errno);
    if (!S_ISREG(status.st_mode)) failNotRegular(fileName);
    checkFileSize(fileName, status, largest);

    // Non-blocking, in case a pipe was put in the file's place since.
    fd_ = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) failToOpen(fileName, errno);
    try {
        if (::fstat(fd_, &status) != 0) failToOpen(fileName, errno);
        if (!S_ISREG(status.st_mode)) failNotRegular(fileName);
        checkFileSize(fileName, status, largest);
    } catch (...) {
        ::close(fd_);
        throw;
    }
    size_ = status.st_size;
}

OpenedPictureFile::~OpenedPictureFile() {
    ::close(fd_);
}

QByteArray OpenedPictureFile::read(long long count) {
    QByteArray bytes;
    bytes.resize(qsizetype(count));
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd_, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failToOpen(fileName_, errno);
        if (got == 0) break;  // the end, or shortened meanwhile
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

QByteArray ReadPictureFile(const QString& fileName, long long largest) {
    OpenedPictureFile file(fileName, largest);
    return file.read(file.size());
}
