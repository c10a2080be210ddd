// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/case_render.h"
#include "render/cover_value.h"

// The cover's texts and how they look, as every layout reads them.
CaseTexts CaseTextsOf(const CoverValue& cover);

// A cover value as a kind's layout reads it: the screen takes each picture
// held for it; the printed page reads each picture file again for the
// printer's pixels.
CaseContent CaseContentOf(const CoverValue& cover, CoverUse use);
