// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/entry_numbers.h"

#include <QRegularExpression>

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
