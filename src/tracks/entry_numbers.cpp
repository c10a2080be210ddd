// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/entry_numbers.h"

#include <algorithm>

#include <QCoreApplication>
#include <QRegularExpression>

#include "render/cover_value.h"

namespace {
const QString NumberSeparator = QStringLiteral(". ");
}  // namespace

QString NumberedEntry(int number, const QString& text) {
    return QString::number(number) + NumberSeparator + text;
}

QStringList RenumberedEntries(const QStringList& entries) {
    static const QRegularExpression leadingNumber(QStringLiteral("^\\d+\\. "));
    QStringList renumbered;
    int next = 1;
    for (const QString& entry : entries) {
        const QRegularExpressionMatch match = leadingNumber.match(entry);
        renumbered << (match.hasMatch() ? NumberedEntry(next++, entry.mid(match.capturedLength()))
                                        : entry);
    }
    return renumbered;
}

NumberedTitles NumberTitles(const QStringList& titles, int first, qsizetype room) {
    NumberedTitles numbered;
    const qsizetype taken = std::clamp<qsizetype>(room, 0, titles.size());
    for (qsizetype i = 0; i < taken; ++i)
        numbered.entries << NumberedEntry(first + int(i), titles[i]);
    numbered.leftOut = titles.size() - taken;
    return numbered;
}

QString LeftOutMessage(qsizetype leftOut, qsizetype offered) {
    const QString tracks =
        offered == 1 ? QCoreApplication::translate("TrackEditor", "1 track")
                     : QCoreApplication::translate("TrackEditor", "%1 tracks").arg(offered);
    return QCoreApplication::translate("TrackEditor",
                                       "%1 of %2 were left out: a cover holds at most %3 tracks")
        .arg(leftOut)
        .arg(tracks)
        .arg(MaxTracks);
}
