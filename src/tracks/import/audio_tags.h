// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

class AudioInputStream;

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
// TagLib, in the decode helper. Throws SleevixError naming the file when it
// is not one TagLib can read, or when the reader stopped.
AudioTags ReadAudioTags(const QString& path, bool withLength);

// The same in this process, from a file the gate opened: the helper's job.
AudioTags ReadAudioTagsFrom(std::unique_ptr<AudioInputStream> stream, const QString& path,
                            bool withLength);

// The tags as they travel from the helper.
QByteArray EncodeAudioTags(const AudioTags& tags);
AudioTags DecodeAudioTags(const QByteArray& encoded);

// The file's playing time in milliseconds, or negative when it is no
// readable audio file; never throws.
int ReadAudioLength(const QString& path);
