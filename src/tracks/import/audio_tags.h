// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What an audio file's tags say about its track; empty texts and negative
// numbers where a tag is missing.
struct AudioTags {
    QString title;
    QString artist;
    QString albumArtist;
    QString album;
    int trackNumber = -1;
    int discNumber = -1;
    int lengthMs = -1;  // read only when asked for
    bool hasEmbeddedArt = false;
};

// Reads the tags of an MP3, FLAC, Ogg Vorbis, Opus, M4A or WAV file with
// TagLib. Throws SleevixError naming the file when it is not one TagLib
// can read.
AudioTags ReadAudioTags(const QString& path, bool withLength);

// The file's playing time in milliseconds, or negative when it is no
// readable audio file; never throws.
int ReadAudioLength(const QString& path);
