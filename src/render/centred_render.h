// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Center" layout: the whole cover drawn again with each track line
// centred on the back insert.
void RenderCentredCover();
