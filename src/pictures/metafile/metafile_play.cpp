// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>

#include "base/sleevix_error.h"
#include "pictures/metafile/emfplus_player.h"
#include "pictures/metafile/emfplus_records.h"
#include "pictures/metafile/gdi_player.h"
#include "pictures/metafile/metafile_picture.h"
#include "pictures/metafile/metafile_records.h"
#include "pictures/metafile/record_reading.h"

void PlayMetafile(const MetafileStructure& metafile, QPainter& painter, const QRectF& target) {
    GdiPlayer player(painter, metafile, target);
    const auto play = metafile.kind == MetafileKind::Emf ? PlayEmfRecord : PlayWmfRecord;
    emfplus::Player plus(painter, target, player.deviceToTarget(),
                         QSizeF(metafile.devicePixelsPerMmX, metafile.devicePixelsPerMmY));
    for (const MetafileRecord& record : metafile.records) {
        // A damaged record is skipped; the rest of the picture still shows.
        try {
            if (metafile.drawnByEmfPlus) {
                if (emfplus::IsEmfPlusComment(record.bytes)) {
                    emfplus::PlayComment(plus, record.bytes);
                    continue;
                }
                // The older records repeat what EMF+ drew, but for those
                // after GetDC.
                if (plus.started() && !plus.olderRecordsDrawn() && EmfRecordDraws(record.type))
                    continue;
            }
            play(player, record);
        } catch (const SkipRecord&) {
        } catch (const OutOfBounds&) {
        } catch (const SleevixError&) {
        }
    }
}
