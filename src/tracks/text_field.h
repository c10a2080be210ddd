// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QString>

// The most characters of one text a field of the editor shows and edits.
// Qt lays out the whole text of a line edit whenever it is set: a title of
// megabytes took hundreds of megabytes and seconds, in the editor and in
// every export that goes through it.
inline constexpr qsizetype MaxEditedCharacters = 1 << 16;

// A one-line field for a text of any length. A longer text than it edits is
// kept whole beside the field, which shows its beginning, read only, and
// says so; another text, typed or set, makes it an ordinary field again.
class TextField : public QLineEdit {
  public:
    explicit TextField(QWidget* parent = nullptr);

    QString wholeText() const;
    void setWholeText(const QString& text);

  private:
    void shownTextChanged(const QString& shown);

    QString held_;  // null unless a long text is held
};

// The whole text of a field (a TextField's held text included), and setting
// it: what the editor's commands take from and give to its fields.
QString FieldText(const QLineEdit& field);
void SetFieldText(QLineEdit& field, const QString& text);
