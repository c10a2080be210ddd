// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/metafile/metafile_format.h"

class GdiPlayer;

// One record each; what is not drawn is skipped. A record whose contents
// do not hold together raises SkipRecord or OutOfBounds.
void PlayEmfRecord(GdiPlayer& player, const MetafileRecord& record);
void PlayWmfRecord(GdiPlayer& player, const MetafileRecord& record);

// Whether an EMF record of this type draws when played.
bool EmfRecordDraws(uint32_t type);
