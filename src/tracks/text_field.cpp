// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/text_field.h"

#include <limits>

#include <QCoreApplication>

#include "render/shown_text.h"

TextField::TextField(QWidget* parent) : QLineEdit(parent) {
    // Qt's default limit of 32,767 characters would cut a longer text
    // without a word.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &TextField::shownTextChanged);
}

QString TextField::wholeText() const {
    return held_.isNull() ? text() : held_;
}

void TextField::setWholeText(const QString& text) {
    if (text.size() <= MaxEditedCharacters) {
        held_ = QString();
        setText(text);
        return;
    }
    const QString shown = TextBeginning(text, MaxEditedCharacters);
    held_ = text;
    setText(shown);
    setReadOnly(true);
    setToolTip(QCoreApplication::translate(
                   "TrackEditor", "This text is too long to edit here; it is kept whole (%1 "
                                  "characters)")
                   .arg(text.size()));
}

void TextField::shownTextChanged(const QString& shown) {
    if (held_.isNull() || shown == TextBeginning(held_, MaxEditedCharacters)) return;
    held_ = QString();
    setReadOnly(false);
    setToolTip(QString());
}

QString FieldText(const QLineEdit& field) {
    const auto* whole = dynamic_cast<const TextField*>(&field);
    return whole ? whole->wholeText() : field.text();
}

void SetFieldText(QLineEdit& field, const QString& text) {
    if (auto* whole = dynamic_cast<TextField*>(&field))
        whole->setWholeText(text);
    else
        field.setText(text);
}
