// SPDX-License-Identifier: GPL-3.0-or-later
// Sends a picture's decoding and an audio file's album art to the decode
// helper, with the deadlines that bound them, and keeps what a repaint
// would otherwise ask for again.
#include <map>
#include <mutex>
#include <tuple>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QStringList>

#include "base/audio_input_stream.h"
#include "base/input_file.h"
#include "helper/decode_helper.h"
#include "pictures/decoders/album_art.h"
#include "pictures/picture_loader.h"

namespace {

// Decoding a photo of the largest size allowed takes well under a second.
constexpr JobDeadline PhotoDeadline{2.5};
// TagLib reads only the tags of an audio file.
constexpr JobDeadline AlbumArtDeadline{2.0};

// A drawing is tried at the size it is shown or printed at, then at a
// half, a quarter and an eighth of each side, with less time for each:
// together no more than 3 s, and an eighth of a printed page is 150 dpi.
struct DrawingAttempt {
    int divisor;
    JobDeadline deadline;
};
constexpr DrawingAttempt DrawingAttempts[] = {{1, {1.8}}, {2, {0.5}}, {4, {0.25}}, {8, {0.15}}};

bool isDrawing(DecoderKind kind) {
    return kind == DecoderKind::Svg || kind == DecoderKind::Svgz || kind == DecoderKind::Metafile;
}

PictureBitmap bitmapOf(const HelperReply& reply) {
    return PictureBitmap(reply.pixels, reply.natural);
}

std::mutex notesMutex;
QStringList reducedDrawings;  // guarded by notesMutex

void noteReducedDrawing(const QString& note) {
    const std::lock_guard<std::mutex> lock(notesMutex);
    if (!reducedDrawings.contains(note)) reducedDrawings << note;
}

// A file's identity: the same values mean the same content, as far as the
// file system tells.
using FileIdentity = std::tuple<dev_t, ino_t, off_t, long long, QString>;
// Album art read lately; a cover has two pictures at most.
constexpr std::size_t KeptAlbumArt = 4;
std::mutex albumArtMutex;
std::map<FileIdentity, QByteArray> keptAlbumArt;  // guarded by albumArtMutex

FileIdentity identityOf(const InputFile& file) {
    struct stat status {};
    ::fstat(file.descriptor(), &status);
    return {status.st_dev, status.st_ino, status.st_size,
            status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec, file.path()};
}

}  // namespace

PictureBitmap DecodePictureBytes(const QString& fileName, const QByteArray& bytes, QSize cover,
                                 PictureUse use, DecodeHelper& helper) {
    HelperJob job;
    job.kind = HelperJobKind::DecodePicture;
    job.fileName = fileName;
    job.bytes = bytes;
    job.cover = cover;
    job.forPrint = use == PictureUse::Print;
    if (!isDrawing(PictureFormatOf(fileName).decoder)) return bitmapOf(helper.run(job, PhotoDeadline));
    ReaderStop lastStop = ReaderStop::TookTooLong;
    for (const DrawingAttempt& attempt : DrawingAttempts) {
        job.divisor = attempt.divisor;
        try {
            PictureBitmap drawn = bitmapOf(helper.run(job, attempt.deadline));
            if (attempt.divisor > 1 && use == PictureUse::Print)
                noteReducedDrawing(QCoreApplication::translate(
                                       "Pictures",
                                       "%1 is printed at 1/%2 of its size: it was too heavy to "
                                       "draw whole")
                                       .arg(QuotedFileName(fileName))
                                       .arg(attempt.divisor));
            return drawn;
        } catch (const ReaderStopped& stop) {
            // Smaller is quicker and takes less memory; a crash is no matter
            // of size.
            if (stop.how() == ReaderStop::Crashed) throw;
            lastStop = stop.how();
        }
    }
    // An export does not fail because a drawing is heavy: the page goes
    // without it, and says so.
    if (use != PictureUse::Print) throw ReaderStopped(fileName, lastStop);
    noteReducedDrawing(QCoreApplication::translate(
                           "Pictures", "%1 is left out: it was too heavy to draw")
                           .arg(QuotedFileName(fileName)));
    return PictureBitmap();
}

PictureBitmap DecodePhotoPreview(const QString& fileName, const QByteArray& bytes, QSize cover,
                                 QSize room, const std::function<bool(PictureBitmap)>& showFirst,
                                 DecodeHelper& helper) {
    HelperJob job;
    job.kind = HelperJobKind::DecodePreview;
    job.fileName = fileName;
    job.bytes = bytes;
    job.cover = cover;
    job.room = room;
    return bitmapOf(helper.run(job, PhotoDeadline, {}, [&](const HelperReply& thumbnail) {
        return showFirst(bitmapOf(thumbnail));
    }));
}

QString TakeReducedDrawingsNote() {
    const std::lock_guard<std::mutex> lock(notesMutex);
    const QString note = reducedDrawings.join(QLatin1String("; "));
    reducedDrawings.clear();
    return note;
}

QByteArray AlbumArtBytes(const QString& fileName, DecodeHelper& helper) {
    const InputFile file(fileName, AudioFileInput);
    const FileIdentity identity = identityOf(file);
    {
        const std::lock_guard<std::mutex> lock(albumArtMutex);
        const auto kept = keptAlbumArt.find(identity);
        if (kept != keptAlbumArt.end()) return kept->second;
    }
    HelperJob job;
    job.kind = HelperJobKind::AlbumArt;
    job.fileName = fileName;
    QByteArray art = helper.run(job, AlbumArtDeadline, {file.descriptor()}).data;
    const std::lock_guard<std::mutex> lock(albumArtMutex);
    if (keptAlbumArt.size() >= KeptAlbumArt) keptAlbumArt.erase(keptAlbumArt.begin());
    keptAlbumArt.emplace(identity, art);
    return art;
}
