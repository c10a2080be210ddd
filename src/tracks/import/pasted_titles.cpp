// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/pasted_titles.h"

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

QStringList WithoutTrackNumbers(const QStringList& titles) {
    QVector<NumberedLine> numbered;
    numbered.reserve(titles.size());
    for (const QString& title : titles) numbered << splitNumber(title);
    const bool all = !titles.isEmpty() && countsUp(numbered);
    QStringList plain;
    plain.reserve(titles.size());
    for (int i = 0; i < titles.size(); ++i)
        plain << (all || numbered[i].number == i + 1 ? numbered[i].rest : titles[i]);
    return plain;
}

QStringList TitlesFromLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(lineBreaks())) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines << trimmed;
    }
    return WithoutTrackNumbers(lines);
}
