// SPDX-License-Identifier: GPL-3.0-or-later
// Album art: the first byte picks the kind of audio file (as its extension
// would), the rest is the file. Its tags are read with TagLib and the art
// found is decoded as the loader decodes it.

#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include <taglib/tbytevectorstream.h>

#include "base/sleevix_error.h"
#include "fuzz/decoder_fuzzer.h"
#include "pictures/decoders/album_art.h"
#include "pictures/picture_loader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartQuietGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kinds[] = {"mp3", "flac", "ogg", "opus", "m4a"};
    if (size < 1) return 0;
    const QString kind = QString::fromLatin1(kinds[data[0] % 5]);
    TagLib::ByteVectorStream stream(
        TagLib::ByteVector(reinterpret_cast<const char*>(data + 1), unsigned(size - 1)));
    try {
        const AlbumArt art = ReadAlbumArt(stream, kind, QStringLiteral("song"));
        DecodePictureHere(QStringLiteral("song.") + kind, PackAlbumArt(art), QSize(64, 48),
                          PictureUse::Screen, 0);
    } catch (const SleevixError&) {
    }
    return 0;
}
