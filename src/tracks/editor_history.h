// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QUndoCommand>

class TForm2;

// Everything in the editor that undo brings back: the entries, which one
// is selected (correct mode), and the three fields.
struct EditorState {
    QStringList entries;
    int selectedRow = -1;
    QString track;
    QString artist;
    QString title;

    bool operator==(const EditorState& other) const;
    bool operator!=(const EditorState& other) const { return !(*this == other); }
};

EditorState CaptureEditorState(const TForm2& editor);
// Puts the editor in the state, with TrackCount following the entries;
// the list's own selection handler does not run.
void ApplyEditorState(TForm2& editor, const EditorState& state);

// One undoable change of the editor, kept as the states before and after.
// Typing in a field is one change per run of keys in that field.
class EditorChange : public QUndoCommand {
  public:
    // `typedField` 1, 2 or 3 merges with the change before it when that was
    // typing in the same field; 0 for every other change.
    EditorChange(TForm2& editor, const QString& what, EditorState before, EditorState after,
                 int typedField = 0);
    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

  private:
    TForm2& editor_;
    EditorState before_;
    EditorState after_;
    int typedField_;
    bool done_ = true;  // pushed after the change was made
};
