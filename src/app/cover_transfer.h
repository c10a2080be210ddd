// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Moves a cover between its value (a document) and its live form: the
// track editor's list and fields, the main window's switches, the cover
// state and the drawing surfaces.

#include "document/cover_document.h"

// The cover as it stands now.
CoverDocument CaptureCover();

// Replaces the cover with `cover`, as if the program had just started and
// the user had typed and chosen all of it, then draws it: a committed cover
// as "Continue" (and "Center") lay it out, an uncommitted one with its
// pictures and outlines, or centred when "Center" was its last layout.
// Should a step fail, the cover is put back as it was and the error passed
// on. Pictures are read by the drawing; a missing file draws nothing.
void ApplyCover(const CoverDocument& cover);

// Puts the cover and every window back as the program starts: no tracks,
// the editor's prompts, the switches and dialogs at their start values, the
// look commands closed until the editor is closed again; a cover of the
// given kind.
void StartNewCover(CaseKind kind = CaseKind::Jewel);
