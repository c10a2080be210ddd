// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Small but valid audio files of silence, written byte by byte, and their
// tags written with TagLib: fixtures for the importers and benchmarks.

enum class AudioKind { Mp3, Flac, OggVorbis, Opus, M4a, Wav };

// The usual extension of the kind, without the dot.
QString ExtensionOf(AudioKind kind);

// Writes `seconds` of silence (mono, low rate, so a minute stays small).
// The M4A holds an empty AAC track that declares that length.
void WriteSilentAudio(const QString& path, AudioKind kind, int seconds);

struct TrackTags {
    QString title;
    QString artist;
    QString albumArtist;
    QString album;
    QString trackNumber;  // as tags hold it: "3" or "3/12"
    QString discNumber;
    bool frontPicture = false;  // embeds a small PNG as the front cover
};

// Writes the tags into an audio file through TagLib; false when it cannot.
bool WriteTags(const QString& path, AudioKind kind, const TrackTags& tags);
