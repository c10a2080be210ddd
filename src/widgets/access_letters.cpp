// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/access_letters.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

// The letter a caption's '&' marks, lower case; none when it has none
// ("&&" is an ampersand shown as such).
QChar accessLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Where the '&' goes in the caption, or -1 when every letter is taken.
qsizetype freeLetterAt(const QString& caption, const QString& taken) {
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const bool startsWord = i == 0 || !caption[i - 1].isLetter();
            if (caption[i].isLetter() && (startsWord || !wordStartsOnly) &&
                !taken.contains(caption[i].toLower()))
                return i;
        }
    }
    return -1;
}

}  // namespace

void AddMissingAccessLetters(QWidget& dialog) {
    QString taken;
    QList<QAbstractButton*> without;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QChar letter = accessLetter(button->text());
        if (!letter.isNull())
            taken += letter;
        else if (!button->text().isEmpty())
            without << button;
    }
    // A label's '&' marks a letter only when it stands for another control.
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        const QChar letter = accessLetter(label->text());
        if (label->buddy() && !letter.isNull()) taken += letter;
    }
    for (QAbstractButton* button : without) {
        const QString caption = button->text();
        const qsizetype at = freeLetterAt(caption, taken);
        if (at < 0) continue;
        taken += caption[at].toLower();
        button->setText(caption.left(at) + QLatin1Char('&') + caption.mid(at));
    }
}
