// SPDX-License-Identifier: GPL-3.0-or-later
// Several lines pasted into the track field become entries, numbered as
// Insert numbers them; what does not fit on the cover is left out, and the
// user is told.

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

#include "app/cover_state.h"
#include "base/sleevix_error.h"
#include "tracks/entry_numbers.h"
#include "tracks/import/pasted_titles.h"
#include "tracks/track_editor.h"

void TForm2::appendTitles(const QStringList& titles) {
    const NumberedTitles numbered =
        NumberTitles(titles, TrackCount + 1, MaxTracks - ListBox1->count());
    ListBox1->addItems(numbered.entries);
    TrackCount = ListBox1->count();
    if (!numbered.entries.isEmpty()) Button1->setEnabled(true);
    if (numbered.leftOut > 0) throw SleevixError(LeftOutMessage(numbered.leftOut, titles.size()));
}

void TForm2::PasteTracks(const QString& text) {
    const QStringList titles = TitlesFromLines(text);
    if (titles.isEmpty()) return;
    recordChange(QCoreApplication::translate("TrackEditor", "Paste"),
                 [&] { appendTitles(titles); });
}
