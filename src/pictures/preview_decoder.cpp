// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/preview_decoder.h"

#include <mutex>
#include <optional>
#include <thread>

#include "helper/decode_helper.h"

// What the decoder and its worker share; the worker may outlive the
// decoder, so it holds this and never the decoder itself.
struct PreviewDecoder::Shared {
    PreviewDecode decode;
    DecodeHelper helper;
    std::mutex mutex;
    // Guarded by the mutex:
    PreviewDecoder* owner = nullptr;  // cleared when the decoder goes
    std::optional<PreviewRequest> waiting;
    quint64 newest = 0;
    quint64 running = 0;  // the request the worker decodes now
    bool working = false;
};

PreviewDecoder::PreviewDecoder(PreviewDecode decode, QObject* parent)
    : QObject(parent), shared_(std::make_shared<Shared>()) {
    shared_->decode = std::move(decode);
    shared_->owner = this;
}

PreviewDecoder::~PreviewDecoder() {
    // Results posted before this are discarded with the object's events.
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->owner = nullptr;
    shared_->waiting.reset();
    shared_->helper.cancel();
}

void PreviewDecoder::request(PreviewRequest request) {
    bool startWorker = false;
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->newest = ++generation_;
        shared_->waiting = std::move(request);
        startWorker = !shared_->working;
        shared_->working = true;
        // The decode running now is stale; the worker takes a request and
        // says so under this lock, so a newer one is never ended.
        if (!startWorker && shared_->running != shared_->newest) shared_->helper.cancel();
    }
    if (startWorker) {
        // A thread of its own, never Qt's global pool, which the GUI
        // thread's painting waits on; nothing waits for it to end.
        std::thread([shared = shared_] { work(shared); }).detach();
    }
}

void PreviewDecoder::work(const std::shared_ptr<Shared>& shared) {
    for (;;) {
        PreviewRequest request;
        quint64 generation = 0;
        {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            if (!shared->waiting) {
                shared->working = false;
                return;
            }
            request = std::move(*shared->waiting);
            shared->waiting.reset();
            generation = shared->newest;
            shared->running = generation;
            shared->helper.clearCancel();
        }
        // Posts the picture to the decoder when the request is still the
        // newest and the decoder still there.
        const auto post = [&](const PictureBitmap& picture, bool final) {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            if (!shared->owner || shared->newest != generation) return false;
            PreviewDecoder* owner = shared->owner;
            QMetaObject::invokeMethod(
                owner,
                [owner, generation, picture, final] { owner->deliver(generation, picture, final); },
                Qt::QueuedConnection);
            return true;
        };
        PictureBitmap picture;
        try {
            picture = shared->decode(
                request, [&](PictureBitmap first) { return post(first, false); }, shared->helper);
        } catch (...) {
            // Whatever failed, the pane shows no picture.
            picture = PictureBitmap();
        }
        try {
            post(picture, true);
        } catch (...) {
            // Out of memory posting it: the pane keeps showing no picture.
        }
    }
}

void PreviewDecoder::deliver(quint64 generation, const PictureBitmap& picture, bool final) {
    // A request made after the result was posted makes it stale too.
    if (generation != generation_) return;
    if (final)
        emit pictureReady(picture);
    else
        emit firstReady(picture);
}
