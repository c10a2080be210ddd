// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "helper/helper_channel.h"

// What the program asks of its decode helper. A file whose tags are read
// travels as a descriptor the program opened through its gate; a picture's
// bytes travel in the message.
enum class HelperJobKind : quint8 {
    DecodePicture = 1,  // a picture file's bytes into pixels
    DecodePreview,      // the same for the picture dialog's pane, a rough picture first
    AlbumArt,           // the picture embedded in an audio file
    AudioTags,          // an audio file's tags, for a track list
    LabelTemplates,     // the disc sheets of a label designer's template file
};

struct HelperJob {
    HelperJobKind kind = HelperJobKind::DecodePicture;
    QString fileName;  // names the file in messages; its extension picks the reader
    QByteArray bytes;
    QSize cover;        // the device pixels a picture is read or drawn for
    QSize room;         // a preview: the pixels the pane draws it into
    bool forPrint = false;
    int divisor = 1;    // a drawing is drawn at this fraction of each side
    bool withLength = false;
};

enum class HelperStatus : quint8 {
    Done = 1,
    Partial,      // a first, rougher result; the final one follows
    Failed,       // the reader's own error, in the message
    OutOfMemory,  // the reader reached the helper's memory limit
};

struct HelperReply {
    HelperStatus status = HelperStatus::Failed;
    QString message;
    QImage pixels;    // travels in shared memory
    QSize natural;    // a picture's own size, which its pixels may be smaller than
    QByteArray data;  // what a job other than a picture's gives, in its own encoding
};

// A bitmap whose pixels lie in memory that a reply hands over without a
// copy; null when there is no memory for it. For the helper's decoders.
QImage AllocateSharedPicture(int width, int height, QImage::Format format);

QByteArray EncodeJob(const HelperJob& job);
std::optional<HelperJob> DecodeJob(const QByteArray& body);

// The reply's body; its pixels go into shared memory whose descriptor is
// appended to `fds`.
QByteArray EncodeReply(const HelperReply& reply, std::vector<UniqueFd>& fds);
// Nothing when the message is no well-formed reply.
std::optional<HelperReply> DecodeReply(ChannelMessage& message);
