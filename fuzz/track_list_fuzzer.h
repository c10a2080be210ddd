// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The track-list readers take a file: each input is written to a file of
// the kind's extension and imported as the open and import commands do,
// through the same gate, then turned into the editor's entries.

#include <cstddef>
#include <cstdint>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/cover_state.h"
#include "app/error_box.h"
#include "tracks/entry_numbers.h"
#include "tracks/import/imported_tracks.h"
#include "tracks/import/track_import.h"

#define SLEEVIX_TRACK_LIST_FUZZER(extension)                                               \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {                         \
        static QCoreApplication application(*argc, *argv);                                 \
        return 0;                                                                          \
    }                                                                                      \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {              \
        static QTemporaryDir folder;                                                       \
        const QString path = folder.filePath(QStringLiteral("list." extension));           \
        QFile file(path);                                                                  \
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;              \
        file.write(reinterpret_cast<const char*>(data), qint64(size));                     \
        file.close();                                                                      \
        try {                                                                              \
            const ImportedTracks imported = ImportTracks({path}, true);                    \
            NumberTitles(EntryTexts(imported, true), 1, MaxTracks);                        \
        } catch (const SleevixError&) {                                                    \
        }                                                                                  \
        return 0;                                                                          \
    }
