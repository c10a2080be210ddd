// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMimeData;
class QString;
class TForm1;

// InstallInsertPictureDrops (app/main_window.h) is defined here.

// The front insert's tab.
inline constexpr int FrontInsertPage = 1;

// Shows the page and lays the picture file on its insert as "Image" would
// (an import offering its audio files' art uses it).
void LayPictureOnInsert(TForm1& window, int page, const QString& path);

// The steps a drop or a paste runs, for the page given (TForm1::BackPage
// or the front's); raises the refusal's reason.
void DropPictureOnInsert(TForm1& window, int page, const QMimeData& data);
void PastePictureOnInsert(TForm1& window);
