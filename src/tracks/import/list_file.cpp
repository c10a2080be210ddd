// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/list_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "app/error_box.h"

namespace {
// Far above any real track list; a larger file is some other file.
constexpr qint64 MaxListFileBytes = 1 << 20;
}  // namespace

QString QuotedFileName(const QString& path) {
    return QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
}

QString DecodeListText(const QByteArray& bytes) {
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes);
}

QString ReadListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SleevixError(
            QStringLiteral("Cannot read %1: %2").arg(QuotedFileName(path), file.errorString()));
    if (file.size() > MaxListFileBytes)
        throw SleevixError(
            QStringLiteral("%1 is too large to be a track list").arg(QuotedFileName(path)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SleevixError(
            QStringLiteral("Cannot read %1: %2").arg(QuotedFileName(path), file.errorString()));
    const bool marked = QStringConverter::encodingForData(bytes).has_value();
    if (!marked && bytes.contains('\0'))
        throw SleevixError(QStringLiteral("%1 is not a text file").arg(QuotedFileName(path)));
    return DecodeListText(bytes);
}
