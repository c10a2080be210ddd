// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the handlers ask of the cover: each reads the windows once into a
// cover value, draws from it, and keeps what the layout settles. No handler
// calls another handler to redraw.

#include "app/picture_repaint.h"
#include "render/cover_value.h"
#include "render/outlines.h"

// Draws the whole cover again on the window's surfaces, in the layout it
// has, its pictures read again first.
void RenderCover();

// "Continue": carries the editor's artist and title onto the cover (the
// separator between them too) and marks it committed; closes the editor
// when it is shown.
void CommitEditor();

// The one re-render the commands use: the centred layout while it is the
// current mode; otherwise the editor's texts committed and laid out flush
// left. A cover never committed is drawn without taking the editor's
// texts: nothing uncommitted reaches the cover.
void RefreshCover();

// The cover as the printed page takes it: the editor's artist and title as
// they stand now, committed or not.
CoverValue CoverToPrint();

// Reads the chosen pictures again and draws them on the window's surfaces.
void RepaintPictures(PictureHalves halves);
// Draws the pictures as held, without reading them again.
void DrawHeldPictures(PictureHalves halves);
// Draws those outline groups whose check box is on.
void DrawWindowOutlines(OutlineGroups groups);

// The device pixels the back picture (stretched over the overlay) and the
// front picture are shown in on the window.
QSize BackPictureCover();
QSize FrontPictureCover();
