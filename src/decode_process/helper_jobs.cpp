// SPDX-License-Identifier: GPL-3.0-or-later
#include "decode_process/helper_jobs.h"

#include <memory>
#include <new>

#include <QCoreApplication>

#include "base/audio_input_stream.h"
#include "base/sleevix_error.h"
#include "cases/label_templates.h"
#include "pictures/picture_loader.h"
#include "pictures/preview_stages.h"
#include "tracks/import/audio_tags.h"

namespace {

// Whether Qt warned of an allocation it could not make during this job.
bool allocationFailed = false;

HelperReply pictureReply(const PictureBitmap& picture, HelperStatus status) {
    HelperReply reply;
    reply.status = status;
    reply.pixels = picture.pixels();
    reply.natural = QSize(picture.width(), picture.height());
    return reply;
}

// The descriptor of the file a job reads, taken over; a job without one
// is a malformed message.
int takeFile(std::vector<UniqueFd>& fds) {
    if (fds.size() != 1) throw SleevixError(QStringLiteral("the job came without its file"));
    return fds.front().release();
}

HelperReply run(const HelperJob& job, std::vector<UniqueFd>& fds,
                const std::function<void(const HelperReply&)>& sendPartial) {
    const PictureUse use = job.forPrint ? PictureUse::Print : PictureUse::Screen;
    switch (job.kind) {
        case HelperJobKind::DecodePicture:
            return pictureReply(
                DecodePictureHere(job.fileName, job.bytes, job.cover, use, job.divisor),
                HelperStatus::Done);
        case HelperJobKind::DecodePreview:
            return pictureReply(
                DecodePreviewHere(job.fileName, job.bytes, job.cover, job.room,
                                  [&](PictureBitmap first) {
                                      sendPartial(pictureReply(first, HelperStatus::Partial));
                                      return true;
                                  }),
                HelperStatus::Done);
        case HelperJobKind::AlbumArt: {
            HelperReply reply;
            reply.status = HelperStatus::Done;
            reply.data = ReadAlbumArtHere(takeFile(fds), job.fileName);
            return reply;
        }
        case HelperJobKind::LabelTemplates: {
            HelperReply reply;
            reply.status = HelperStatus::Done;
            reply.data = ParseLabelTemplatesHere(job.bytes);
            return reply;
        }
        case HelperJobKind::AudioTags: {
            HelperReply reply;
            reply.status = HelperStatus::Done;
            reply.data = EncodeAudioTags(ReadAudioTagsFrom(
                std::make_unique<AudioInputStream>(takeFile(fds), job.fileName), job.fileName,
                job.withLength));
            return reply;
        }
    }
    throw SleevixError(QStringLiteral("unknown job"));
}

HelperReply failure(HelperStatus status, const QString& message) {
    HelperReply reply;
    reply.status = status;
    reply.message = message;
    return reply;
}

}  // namespace

void NoteHelperMessage(const QString& message) {
    if (message.contains(QLatin1String("out of memory"), Qt::CaseInsensitive) ||
        message.contains(QLatin1String("exceeds limit"), Qt::CaseInsensitive))
        allocationFailed = true;
}

HelperReply RunHelperJob(const HelperJob& job, std::vector<UniqueFd>& fds,
                         const std::function<void(const HelperReply&)>& sendPartial) {
    allocationFailed = false;
    try {
        return run(job, fds, sendPartial);
    } catch (const std::bad_alloc&) {
        return failure(HelperStatus::OutOfMemory, QString());
    } catch (const SleevixError& error) {
        // The pictures' own allocation failures say so in words.
        if (allocationFailed ||
            error.message() == QCoreApplication::translate("Errors", "Out of memory"))
            return failure(HelperStatus::OutOfMemory, QString());
        return failure(HelperStatus::Failed, error.message());
    }
}
