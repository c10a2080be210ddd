// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one re-render every command uses: the centred layout while it is the
// current mode, otherwise the track editor's commit (flush left).
void RefreshCover();
