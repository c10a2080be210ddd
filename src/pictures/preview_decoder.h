// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QSize>
#include <QString>

#include "pictures/picture_bitmap.h"

// A file to preview: `cover` the device pixels a picture read for the pane
// must cover, `room` those it is drawn into (its aspect kept).
struct PreviewRequest {
    QString path;
    QSize cover;
    QSize room;
};

// Hands an early, rougher picture of the request to the pane; false once
// the request is stale, so the decode can stop.
using ShowFirst = std::function<bool(PictureBitmap)>;

class DecodeHelper;

// Decodes a request into the picture to show (null for none) in the decode
// helper given; may call `showFirst` before. Runs on a worker thread; may
// throw.
using PreviewDecode =
    std::function<PictureBitmap(const PreviewRequest&, const ShowFirst&, DecodeHelper&)>;

// Decodes previews off the GUI thread, on a thread and in a decode helper
// of its own, one at a time, the newest request winning: a request made
// while another decodes ends that decode (its helper is ended) and
// replaces any still waiting, and results of any but the newest are
// dropped. Destroying it never waits for a decode: the decode is ended.
class PreviewDecoder : public QObject {
    Q_OBJECT
  public:
    explicit PreviewDecoder(PreviewDecode decode, QObject* parent = nullptr);
    ~PreviewDecoder() override;

    void request(PreviewRequest request);

  signals:
    // On the GUI thread, for the newest request only.
    void firstReady(const PictureBitmap& picture);
    void pictureReady(const PictureBitmap& picture);

  private:
    struct Shared;
    static void work(const std::shared_ptr<Shared>& shared);
    void deliver(quint64 generation, const PictureBitmap& picture, bool final);

    std::shared_ptr<Shared> shared_;
    quint64 generation_ = 0;
};
