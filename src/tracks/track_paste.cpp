// SPDX-License-Identifier: GPL-3.0-or-later
// Several lines pasted into the track field become entries, numbered as
// Insert numbers them; what does not fit on the cover is left out, and the
// user is told.

#include <QListWidget>
#include <QPushButton>

#include "app/cover_state.h"
#include "app/error_box.h"
#include "tracks/entry_numbers.h"
#include "tracks/pasted_titles.h"
#include "tracks/track_editor.h"

namespace {
QString tracksText(qsizetype count) {
    return count == 1 ? QStringLiteral("1 track") : QStringLiteral("%1 tracks").arg(count);
}
}  // namespace

void TForm2::appendTitles(const QStringList& titles) {
    const qsizetype room = std::max(0, MaxTracks - int(ListBox1->count()));
    const qsizetype taken = std::min(room, titles.size());
    for (qsizetype i = 0; i < taken; ++i) {
        ++TrackCount;
        ListBox1->addItem(NumberedEntry(TrackCount, titles[i]));
    }
    if (taken > 0) Button1->setEnabled(true);
    if (taken < titles.size())
        throw SleevixError(QStringLiteral("%1 of %2 were left out: a cover holds at most %3 tracks")
                               .arg(titles.size() - taken)
                               .arg(tracksText(titles.size()))
                               .arg(MaxTracks));
}

void TForm2::PasteTracks(const QString& text) {
    const QStringList titles = TitlesFromLines(text);
    if (titles.isEmpty()) return;
    recordChange(QStringLiteral("Paste"), [&] { appendTitles(titles); });
}
