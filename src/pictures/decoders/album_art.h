// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace TagLib {
class IOStream;
}

// A picture embedded in an audio file: its bytes and the extension of the
// format its container declares ("jpg", "png", ...; the content is not
// examined), empty when the declared format is none the program reads.
struct AlbumArt {
    QByteArray data;
    QString extension;
    QString declared;  // as the file declares it, for the message
};

// The front cover of an audio file of the kind its extension names (mp3,
// flac, ogg, opus, m4a), read with TagLib: the picture marked as front
// cover, or else the first. Raises "\"%1\" holds no album art" or
// "\"%1\" is not a readable %2 file" with the shown name and the kind.
AlbumArt ReadAlbumArt(TagLib::IOStream& stream, const QString& extension, const QString& shownName);

// The same from a file the gate opened, taking its descriptor over.
AlbumArt AlbumArtOfOpenedFile(int openedFd, const QString& fileName, const QString& extension);

// The packed album art of the file (see PackAlbumArt), read by the decode
// helper; kept by the file's identity, so that a repaint reads no tags again.
class DecodeHelper;
QByteArray AlbumArtBytes(const QString& fileName, DecodeHelper& helper);

// Album art held as one byte string ("extension\n" and the data), so that
// the loader can compare what it read with what it drew before.
QByteArray PackAlbumArt(const AlbumArt& art);
AlbumArt UnpackAlbumArt(const QByteArray& packed);
