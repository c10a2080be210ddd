// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/preview_decoder.h"

// The picture dialog's preview of a file, decoded for the pane as the
// loader decodes it. A JPEG photo whose Exif thumbnail has the photo's
// aspect and at least the pixels the pane draws it with is shown from the
// thumbnail first, with the photo's own size.
// Decoded in `helper`, which a newer request may end.
PictureBitmap DecodePreview(const PreviewRequest& request, const ShowFirst& showFirst,
                            DecodeHelper& helper);

// The same from the file's bytes, in this process: the helper's job.
PictureBitmap DecodePreviewHere(const QString& path, const QByteArray& bytes, QSize cover,
                                QSize room, const ShowFirst& showFirst);
