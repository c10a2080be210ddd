// SPDX-License-Identifier: GPL-3.0-or-later
// What the track editor does with what the user types.

#include <cmath>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>

#include "app/cover_state.h"
#include "base/sleevix_error.h"
#include "tracks/entry_numbers.h"
#include "tracks/track_editor.h"
#include "widgets/window_sizing.h"

namespace {
// The window keeps these proportions to its group boxes.
constexpr double HeightFactor = 1.45;
constexpr double WidthFactor = 2.32;

// Nearest integer, halves to even.
int roundHalfEven(double value) {
    return int(std::nearbyint(value));
}
}  // namespace

void TForm2::FormShow() {
    const int outerHeight = roundHalfEven(HeightFactor * GroupBox1->height());
    const int outerWidth = roundHalfEven(WidthFactor * GroupBox1->width());
    SizeAndCentreWindow(*this, QSize(outerWidth, outerHeight));
    // Undo goes back as far as the state the editor was opened with.
    History->clear();
}

void TForm2::FormActivate() {
    Edit1->setFocus();
}

void TForm2::Button3Click() {
    recordChange(Button3->text(), [this] { insertFromTrackField(); });
}

void TForm2::insertFromTrackField() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty()) {
        // Refused before anything changes, so the typed text is kept.
        if (TrackCount >= MaxTracks)
            throw SleevixError(
                QCoreApplication::translate("TrackEditor", "A cover holds at most %1 tracks.")
                    .arg(MaxTracks));
        ++TrackCount;
        ListBox1->addItem(NumberedEntry(TrackCount, Edit1->text()));
        Edit1->clear();
    } else {
        // A correction replaces the entry in place and ends correct mode;
        // the list's own selection signals must not copy it back.
        const QSignalBlocker quiet(ListBox1);
        selected.constFirst()->setText(Edit1->text());
        ListBox1->clearSelection();
        ListBox1->setCurrentRow(-1);
    }
    Button1->setEnabled(true);
}

void TForm2::Edit1KeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    // Enter on an empty field is a keystroke too many, not a track: it would
    // add a blank numbered line to the cover.
    const bool appending = ListBox1->selectedItems().isEmpty();
    if (appending && Edit1->text().trimmed().isEmpty()) return;
    Button3Click();
}

void TForm2::ListBox1Click() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (!selected.isEmpty()) Edit1->setText(selected.constFirst()->text());
}
