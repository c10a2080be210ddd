// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The track-list readers take a file: each input is written to a file of
// the kind's extension and imported as the open and import commands do,
// through the same gate, then turned into the editor's entries.

#include <QFile>
#include <QTemporaryDir>

#include "app/cover_state.h"
#include "fuzz/decoder_fuzzer.h"
#include "tracks/entry_numbers.h"
#include "tracks/import/imported_tracks.h"
#include "tracks/import/track_import.h"

inline void ImportListBytes(const char* extension, const QByteArray& bytes) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.") + QLatin1String(extension));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(bytes);
    file.close();
    const ImportedTracks imported = ImportTracks({path}, true);
    NumberTitles(EntryTexts(imported, true), 1, MaxTracks);
}

#define SLEEVIX_TRACK_LIST_FUZZER(extension)                                       \
    namespace {                                                                    \
    void importList(const QByteArray& bytes) { ImportListBytes(extension, bytes); } \
    }                                                                              \
    SLEEVIX_DECODER_FUZZER(importList)
