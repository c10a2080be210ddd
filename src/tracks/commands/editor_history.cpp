// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/editor_history.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QUndoStack>

#include <tuple>

#include "app/cover_state.h"
#include "tracks/text_field.h"
#include "tracks/track_editor.h"
#include "tracks/track_list_box.h"

bool EditorState::operator==(const EditorState& other) const {
    return entries == other.entries && selectedRow == other.selectedRow && track == other.track &&
           artist == other.artist && title == other.title;
}

EditorState CaptureEditorState(const TForm2& editor) {
    EditorState state;
    state.entries = ListEntries(*editor.ListBox1);
    state.selectedRow = SelectedRow(*editor.ListBox1);
    state.track = FieldText(*editor.Edit1);
    state.artist = FieldText(*editor.Edit3);
    state.title = FieldText(*editor.Edit2);
    return state;
}

void ApplyEditorState(TForm2& editor, const EditorState& state) {
    QListWidget& list = *editor.ListBox1;
    {
        const QSignalBlocker quiet(list);
        if (CaptureEditorState(editor).entries != state.entries) {
            list.clear();
            list.addItems(state.entries);
        }
        list.clearSelection();
        list.setCurrentRow(state.selectedRow);
    }
    TrackCount = int(state.entries.size());
    for (auto [field, text] :
         {std::pair{editor.Edit1, &state.track}, std::pair{editor.Edit3, &state.artist},
          std::pair{editor.Edit2, &state.title}})
        if (FieldText(*field) != *text) SetFieldText(*field, *text);
}

EditorChange::EditorChange(TForm2& editor, const QString& what, EditorState before,
                           EditorState after, int typedField)
    : QUndoCommand(what),
      editor_(editor),
      before_(std::move(before)),
      after_(std::move(after)),
      typedField_(typedField) {}

void EditorChange::undo() {
    ApplyEditorState(editor_, before_);
    done_ = false;
}

void EditorChange::redo() {
    if (!done_) ApplyEditorState(editor_, after_);
    done_ = true;
}

int EditorChange::id() const {
    return typedField_ > 0 ? typedField_ : -1;
}

bool EditorChange::mergeWith(const QUndoCommand* other) {
    const auto* typing = static_cast<const EditorChange*>(other);
    after_ = typing->after_;
    setObsolete(after_ == before_);
    return true;
}

void TForm2::recordChange(const QString& what, const std::function<void()>& change) {
    const EditorState before = CaptureEditorState(*this);
    auto keep = [&] {
        EditorState after = CaptureEditorState(*this);
        if (after != before) History->push(new EditorChange(*this, what, before, std::move(after)));
    };
    try {
        change();
    } catch (...) {
        keep();
        throw;
    }
    keep();
}

void TForm2::recordTyping(QLineEdit* field, const QString& before) {
    EditorState after = CaptureEditorState(*this);
    EditorState earlier = after;
    int typedField = 0;
    for (auto [edit, text, number] :
         {std::tuple{Edit1, &earlier.track, 1}, std::tuple{Edit3, &earlier.artist, 2},
          std::tuple{Edit2, &earlier.title, 3}})
        if (edit == field) {
            *text = before;
            typedField = number;
        }
    if (earlier != after)
        History->push(new EditorChange(*this, QCoreApplication::translate("TrackEditor", "Typing"),
                                       std::move(earlier), std::move(after), typedField));
}

// A click or key in the list copies the chosen entry into the track field;
// when that overwrote text the user had typed there, the step can be undone.
void TForm2::recordLostTrackField() {
    if (!beforeListInput_) return;
    const EditorState before = std::move(*beforeListInput_);
    beforeListInput_.reset();
    EditorState after = CaptureEditorState(*this);
    const bool typed =
        !before.track.isEmpty() &&
        (before.selectedRow < 0 || before.entries.value(before.selectedRow) != before.track);
    if (typed && after.track != before.track)
        History->push(new EditorChange(*this,
                                       QCoreApplication::translate("TrackEditor", "Select entry"),
                                       before, std::move(after)));
}
