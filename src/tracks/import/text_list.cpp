// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/text_list.h"

#include <QCoreApplication>

#include "base/sleevix_error.h"
#include "tracks/import/list_file.h"
#include "tracks/import/pasted_titles.h"

ImportedTracks ReadTextList(const QString& path) {
    ImportedTracks list;
    for (const QString& title : TitlesFromLines(ReadListFile(path))) {
        ImportedTrack track;
        track.title = title;
        list.tracks << track;
    }
    if (list.tracks.isEmpty())
        throw SleevixError(QCoreApplication::translate("TrackImport", "%1 holds no tracks")
                               .arg(QuotedFileName(path)));
    return list;
}
