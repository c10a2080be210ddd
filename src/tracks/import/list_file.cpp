// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/list_file.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include "base/input_file.h"
#include "base/sleevix_error.h"

namespace {
// Far above any real track list; a larger file is some other file.
constexpr InputKind TrackListInput{QT_TRANSLATE_NOOP("InputFile", "a track list"), 1 << 20};
}  // namespace

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
    const QByteArray bytes = ReadInputFile(path, TrackListInput);
    const bool marked = QStringConverter::encodingForData(bytes).has_value();
    if (!marked && bytes.contains('\0'))
        throw SleevixError(QCoreApplication::translate("TrackImport", "%1 is not a text file")
                               .arg(QuotedFileName(path)));
    return DecodeListText(bytes);
}
