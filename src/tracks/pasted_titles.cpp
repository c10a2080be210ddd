// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/pasted_titles.h"

#include <QRegularExpression>
#include <QVector>

namespace {

const QRegularExpression& lineBreaks() {
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    return breaks;
}

// A number of up to three digits, then ". ", ") ", " - " or blanks.
const QRegularExpression& listNumber() {
    static const QRegularExpression number(
        QStringLiteral("^(\\d{1,3})(?:[.)]\\s*|\\s+[-\\x{2013}\\x{2014}]\\s+|\\s+)(.*)$"));
    return number;
}

struct NumberedLine {
    int number = -1;  // negative: the line has none
    QString rest;
};

NumberedLine splitNumber(const QString& line) {
    const QRegularExpressionMatch match = listNumber().match(line);
    if (!match.hasMatch()) return {};
    return {match.captured(1).toInt(), match.captured(2)};
}

bool countsUp(const QVector<NumberedLine>& lines) {
    if (lines.size() == 1) return lines.front().number == 1;
    for (int i = 0; i < lines.size(); ++i) {
        const int number = lines[i].number;
        if (number < 0) return false;
        if (i > 0 && number != lines[i - 1].number + 1 && number != 1) return false;
    }
    return true;
}

}  // namespace

bool IsSeveralLines(const QString& text) {
    return text.contains(lineBreaks());
}

QStringList TitlesFromLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(lineBreaks())) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines << trimmed;
    }
    QVector<NumberedLine> numbered;
    numbered.reserve(lines.size());
    for (const QString& line : lines) numbered << splitNumber(line);
    if (lines.isEmpty() || !countsUp(numbered)) return lines;
    QStringList titles;
    for (const NumberedLine& line : numbered) titles << line.rest;
    return titles;
}
