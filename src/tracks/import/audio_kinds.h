// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The audio files whose tags an import reads, by extension (lower case,
// without the dot).
const QStringList& AudioFileExtensions();
bool IsAudioFile(const QString& path);
