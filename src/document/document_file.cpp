// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/error_box.h"
#include "document/document_format.h"

namespace {

constexpr double BytesPerMegabyte = 1024.0 * 1024.0;

QString megabytes(qint64 bytes) {
    return QString::number(bytes / BytesPerMegabyte, 'f', 1);
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir()) throw SleevixError(QStringLiteral("it is a folder"));
    if (!file.open(QIODevice::ReadOnly)) throw SleevixError(file.errorString());
    const qint64 size = file.size();
    if (size > MaxCoverFileBytes)
        throw SleevixError(QStringLiteral("it is too large for a cover (%1 MB; at most %2 MB)")
                               .arg(megabytes(size), megabytes(MaxCoverFileBytes)));
    // One byte more than the file holds (or than the limit, for a device
    // that reports no size): a file that grows is caught too, and no buffer
    // of the limit's size is taken for a small file.
    QByteArray bytes = file.read((size > 0 ? size : MaxCoverFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) throw SleevixError(file.errorString());
    if (bytes.size() > MaxCoverFileBytes)
        throw SleevixError(QStringLiteral("it is too large for a cover (at most %1 MB)")
                               .arg(megabytes(MaxCoverFileBytes)));
    return bytes;
}

}  // namespace

CoverDocument LoadCoverFile(const QString& path) {
    try {
        return CoverFromJson(readWholeFile(path), QFileInfo(path).absoluteDir());
    } catch (const SleevixError& error) {
        throw SleevixError(QStringLiteral("Cannot open %1: %2")
                               .arg(QDir::toNativeSeparators(path), error.message()));
    }
}

void SaveCoverFile(const CoverDocument& cover, const QString& path) {
    const QByteArray bytes = CoverToJson(cover, QFileInfo(path).absoluteDir());
    QSaveFile file(path);
    // Unbuffered: a buffered write that falls short at the end (a full
    // disk) goes unreported, and the commit would put a cut document in
    // the old one's place.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        throw SleevixError(QStringLiteral("Cannot save %1: %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
}
