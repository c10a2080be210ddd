// SPDX-License-Identifier: GPL-3.0-or-later
// "Import...": fills the list, and the artist and title where the source
// names them, from a CUE sheet, a playlist, a text file or audio files.

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "base/error_box.h"
#include "pictures/commands/picture_drop.h"
#include "tracks/import/track_import.h"
#include "tracks/text_field.h"
#include "tracks/track_editor.h"
#include "tracks/track_list_box.h"

namespace {
// On appending, a field takes the source's text only while it holds its
// prompt or nothing, so that nothing the user typed is overwritten.
void fillField(QLineEdit& field, const QString& text, const QString& prompt, bool replacing) {
    if (text.isEmpty()) return;
    if (replacing || field.text().isEmpty() || field.text() == prompt) SetFieldText(field, text);
}
}  // namespace

void TForm2::ImportFilesClick() {
    if (ImportDialog1->Execute(this, TrackSourceDialog::Choose::Files))
        ImportPaths(ImportDialog1->Paths);
}

void TForm2::ImportFolderClick() {
    if (ImportDialog1->Execute(this, TrackSourceDialog::Choose::Folder))
        ImportPaths(ImportDialog1->Paths);
}

void TForm2::ImportPaths(const QStringList& paths) {
    // Read in full before anything is asked or changed: a file that cannot
    // be imported leaves the editor as it was.
    applyImport(ImportTracks(paths, AddLengthsAction->isChecked()));
}

void TForm2::applyImport(const ImportedTracks& imported) {
    const QStringList titles = EntryTexts(imported, AddLengthsAction->isChecked());
    using Mode = TrackListQuestions::ImportMode;
    Mode mode = Mode::Replace;
    if (ListBox1->count() > 0)
        mode = Questions->AskImportMode(this, ListBox1->count(), titles.size());
    if (mode == Mode::Cancel) return;
    const bool replacing = mode == Mode::Replace;
    recordChange(QCoreApplication::translate("TrackEditor", "Import"), [&] {
        if (replacing) {
            const QSignalBlocker quiet(ListBox1);
            const int selected = SelectedRow(*ListBox1);
            if (selected >= 0 && Edit1->text() == ListBox1->item(selected)->text()) Edit1->clear();
            ListBox1->clear();
            TrackCount = 0;
        }
        fillField(*Edit3, imported.artist, ArtistPrompt(), replacing);
        fillField(*Edit2, imported.album, TitlePrompt(), replacing);
        appendTitles(titles);
    });
    if (!imported.passedOver.isEmpty()) ApplicationErrorBox().Show(PassedOverMessage(imported));
    if (!imported.fileWithArt.isEmpty() && Questions->OfferAlbumArt(this, imported.fileWithArt))
        LayPictureOnInsert(*Form1, FrontInsertPage, imported.fileWithArt);
}
