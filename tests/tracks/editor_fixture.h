// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/scripted_editor_seams.h"
#include "support/window_fixture.h"
#include "tracks/track_editor.h"

// The track editor with scripted questions and import dialog, and helpers
// that use it the way a user does.
class EditorFixture : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        auto dialog = std::make_unique<ScriptedTrackSourceDialog>();
        sources = dialog.get();
        Form2->ImportDialog1 = std::move(dialog);
        auto asking = std::make_unique<ScriptedTrackListQuestions>();
        questions = asking.get();
        Form2->Questions = std::move(asking);
    }

    // Types the text into the track field and presses Insert.
    void type(const QString& text) {
        Form2->Edit1->setText(text);
        QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    }
    // Types key by key, as the user does (each key is an edit).
    void typeKeys(QLineEdit* field, const QString& text) { QTest::keyClicks(field, text); }
    QStringList entries() const {
        QStringList texts;
        for (int i = 0; i < Form2->ListBox1->count(); ++i)
            texts << Form2->ListBox1->item(i)->text();
        return texts;
    }
    void clickEntry(int row) {
        const QRect place = Form2->ListBox1->visualItemRect(Form2->ListBox1->item(row));
        QTest::mouseClick(Form2->ListBox1->viewport(), Qt::LeftButton, {}, place.center());
    }
    int selectedRow() const {
        const QList<QListWidgetItem*> selected = Form2->ListBox1->selectedItems();
        return selected.isEmpty() ? -1 : Form2->ListBox1->row(selected.constFirst());
    }
    void undo(QWidget* where) { QTest::keyClick(where, Qt::Key_Z, Qt::ControlModifier); }
    void redo(QWidget* where) {
        QTest::keyClick(where, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }

    ScriptedTrackSourceDialog* sources = nullptr;
    ScriptedTrackListQuestions* questions = nullptr;
};
