// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMimeData;
class QString;
class TForm1;

// Lets the inserts take pictures from where people have them: a file (or
// an audio file with art) dropped on the back or the front insert, or a
// picture dropped there as pixels, is laid on that insert exactly as
// "Image" on its tab would, and that tab is shown; Ctrl+V pastes the
// clipboard's picture onto the insert of the tab showing. Anything else is
// refused with the reason in the error box.
void InstallInsertPictureDrops(TForm1& window);

// The front insert's tab.
inline constexpr int FrontInsertPage = 1;

// Shows the page and lays the picture file on its insert as "Image" would
// (an import offering its audio files' art uses it).
void LayPictureOnInsert(TForm1& window, int page, const QString& path);

// The steps a drop or a paste runs, for the page given (TForm1::BackPage
// or the front's); raises the refusal's reason.
void DropPictureOnInsert(TForm1& window, int page, const QMimeData& data);
void PastePictureOnInsert(TForm1& window);
