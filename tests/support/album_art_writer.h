// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "support/audio_files.h"

// A picture to embed in an audio file's tags.
struct EmbeddedArt {
    QByteArray data;
    QString mimeType = QStringLiteral("image/png");  // MP4: "image/png" or "image/jpeg"
    int type = 3;  // ID3v2 and FLAC picture type; 3 is the front cover
};

// Writes a short silent audio file of the kind with the pictures embedded
// in this order, through TagLib; false when it cannot.
bool WriteAudioWithArt(const QString& path, AudioKind kind, const QList<EmbeddedArt>& pictures);
