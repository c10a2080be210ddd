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
#include "pictures/picture_limits.h"

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

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

QByteArray ReadPictureFile(const QString& fileName, long long largest) {
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) failToOpen(fileName, errno);
    if (!S_ISREG(status.st_mode)) failNotRegular(fileName);
    checkFileSize(fileName, status, largest);

    // Non-blocking, in case a pipe was put in the file's place since.
    const FileDescriptor file(
        ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) failToOpen(fileName, errno);
    if (::fstat(file.get(), &status) != 0) failToOpen(fileName, errno);
    if (!S_ISREG(status.st_mode)) failNotRegular(fileName);
    checkFileSize(fileName, status, largest);

    QByteArray bytes;
    bytes.resize(qsizetype(status.st_size));
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count =
            ::read(file.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) failToOpen(fileName, errno);
        if (count == 0) break;  // shortened meanwhile
        filled += count;
    }
    bytes.truncate(filled);
    return bytes;
}
