// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands beyond appending and correcting: delete, move,
// renumber, clear, and leaving correct mode. Each keeps TrackCount equal to
// the number of entries and is one step of the history.

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/cover_state.h"
#include "tracks/entry_numbers.h"
#include "tracks/track_editor.h"
#include "tracks/track_list_box.h"

namespace {
// The track field showed the entry unchanged: it goes with the entry.
void forgetShownEntry(QLineEdit& field, const QString& entry) {
    if (field.text() == entry) field.clear();
}

// Whether the numbered entries count 1, 2, 3, ... in list order.
bool numbersConsecutive(const QListWidget& list) {
    const QStringList entries = ListEntries(list);
    return RenumberedEntries(entries) == entries;
}

// Numbers every numbered entry in list order; the selected entry, shown
// unchanged in the track field, is shown renumbered.
void renumber(QListWidget& list, QLineEdit& field) {
    const int selected = SelectedRow(list);
    const QStringList entries = ListEntries(list);
    const QStringList renumbered = RenumberedEntries(entries);
    for (int i = 0; i < list.count(); ++i) {
        if (renumbered[i] == entries[i]) continue;
        list.item(i)->setText(renumbered[i]);
        if (i == selected && field.text() == entries[i]) field.setText(renumbered[i]);
    }
}
}  // namespace

void TForm2::DeleteSelectedEntry() {
    const int row = SelectedRow(*ListBox1);
    if (row < 0) return;
    recordChange(QCoreApplication::translate("TrackEditor", "Delete"), [&] {
        const QSignalBlocker quiet(ListBox1);
        // Numbers that counted up before still do, so the next append
        // takes a number no entry has.
        const bool consecutive = numbersConsecutive(*ListBox1);
        const QString removed = ListBox1->item(row)->text();
        delete ListBox1->takeItem(row);
        if (consecutive) renumber(*ListBox1, *Edit1);
        TrackCount = ListBox1->count();
        ListBox1->clearSelection();
        // The keyboard goes on from the same place, with nothing selected.
        const QModelIndex next = ListBox1->model()->index(std::min(row, ListBox1->count() - 1), 0);
        ListBox1->selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
        forgetShownEntry(*Edit1, removed);
    });
}

void TForm2::MoveSelectedEntry(int step) {
    const int row = SelectedRow(*ListBox1);
    if (row < 0) return;
    const int target = row + step;
    if (target < 0 || target >= ListBox1->count()) return;
    MoveEntry(row, step > 0 ? target + 1 : target);
}

void TForm2::MoveEntry(int from, int before) {
    const int entries = ListBox1->count();
    if (from < 0 || from >= entries || before < 0 || before > entries) return;
    if (before == from || before == from + 1) return;
    recordChange(QCoreApplication::translate("TrackEditor", "Move"), [&] {
        const int selected = SelectedRow(*ListBox1);
        QListWidgetItem* selectedEntry = selected >= 0 ? ListBox1->item(selected) : nullptr;
        const QSignalBlocker quiet(ListBox1);
        const bool consecutive = numbersConsecutive(*ListBox1);
        QListWidgetItem* moved = ListBox1->takeItem(from);
        ListBox1->insertItem(before > from ? before - 1 : before, moved);
        // The selected entry stays selected wherever it went, so that
        // correcting it goes on.
        ListBox1->clearSelection();
        if (selectedEntry) ListBox1->setCurrentItem(selectedEntry);
        if (consecutive) renumber(*ListBox1, *Edit1);
    });
}

void TForm2::RenumberEntries() {
    recordChange(QCoreApplication::translate("TrackEditor", "Renumber"), [&] {
        const QSignalBlocker quiet(ListBox1);
        renumber(*ListBox1, *Edit1);
    });
}

void TForm2::ClearList() {
    if (ListBox1->count() == 0 || !Questions->ConfirmClear(this, ListBox1->count())) return;
    recordChange(QCoreApplication::translate("TrackEditor", "Clear list"), [&] {
        const QSignalBlocker quiet(ListBox1);
        const int selected = SelectedRow(*ListBox1);
        if (selected >= 0) forgetShownEntry(*Edit1, ListBox1->item(selected)->text());
        ListBox1->clear();
        TrackCount = 0;
    });
}

void TForm2::CancelCorrection() {
    const QSignalBlocker quiet(ListBox1);
    // An entry only shown, not edited, would otherwise be appended again
    // by the next Enter, with a second number.
    const int selected = SelectedRow(*ListBox1);
    if (selected >= 0) forgetShownEntry(*Edit1, ListBox1->item(selected)->text());
    ListBox1->clearSelection();
    ListBox1->setCurrentRow(-1);
}
