// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>

#include "app/error_box.h"
#include "pictures/metafile/gdi_player.h"
#include "pictures/metafile/metafile_picture.h"
#include "pictures/metafile/metafile_records.h"
#include "pictures/metafile/record_reading.h"

void PlayMetafile(const MetafileStructure& metafile, QPainter& painter, const QRectF& target) {
    GdiPlayer player(painter, metafile, target);
    const auto play = metafile.kind == MetafileKind::Emf ? PlayEmfRecord : PlayWmfRecord;
    for (const MetafileRecord& record : metafile.records) {
        // A damaged record is skipped; the rest of the picture still shows.
        try {
            play(player, record);
        } catch (const SkipRecord&) {
        } catch (const OutOfBounds&) {
        } catch (const SleevixError&) {
        }
    }
}
