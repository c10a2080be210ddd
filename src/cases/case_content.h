// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cases/case_render.h"

// Whose texts and pictures a drawing takes: the screen shows the committed
// texts and the pictures held for it; the printed page takes the editor's
// artist and title as printing began, and reads each picture file again
// for the printer's pixels.
enum class CaseUse { Screen, Print };

// The cover at hand as a kind's layout reads it.
CaseContent LiveCaseContent(CaseUse use);

// The shape of the cover at hand; only for kinds other than the jewel case.
const CaseShape& LiveCaseShape();
