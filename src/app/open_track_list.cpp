// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/open_track_list.h"

#include <QAction>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/program_windows.h"
#include "tracks/entry_numbers.h"
#include "tracks/import/track_import.h"
#include "tracks/track_editor.h"

FileToOpen ReadTrackListToOpen(const QString& path) {
    // The editor's choice, where there is an editor (an export has none yet).
    const bool withLengths = Form2 && Form2->AddLengthsAction->isChecked();
    const ImportedTracks imported = ImportTracks({path}, withLengths);
    const QStringList titles = EntryTexts(imported, withLengths);
    return FileToOpen{[imported, titles] {
                          const NumberedTitles numbered = NumberTitles(titles, 1, MaxTracks);
                          CoverDocument cover = CaptureCover();
                          cover.tracks = numbered.entries;
                          // What the file knows, or nothing: never the
                          // editor's prompts, which would print as names.
                          cover.artist = imported.artist;
                          cover.title = imported.album;
                          cover.committed = true;
                          ApplyCover(cover);
                          QStringList notes;
                          if (numbered.leftOut > 0)
                              notes << LeftOutMessage(numbered.leftOut, titles.size());
                          if (!imported.passedOver.isEmpty())
                              notes << PassedOverMessage(imported);
                          return notes.join(QStringLiteral(". "));
                      },
                      QString()};
}
