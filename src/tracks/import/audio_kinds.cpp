// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/import/audio_kinds.h"

#include <QFileInfo>

const QStringList& AudioFileExtensions() {
    static const QStringList extensions = {
        QStringLiteral("mp3"), QStringLiteral("flac"), QStringLiteral("ogg"),
        QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("m4a"),
        QStringLiteral("wav"),
    };
    return extensions;
}

bool IsAudioFile(const QString& path) {
    return AudioFileExtensions().contains(QFileInfo(path).suffix().toLower());
}
