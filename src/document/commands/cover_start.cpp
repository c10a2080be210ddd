// SPDX-License-Identifier: GPL-3.0-or-later
// A new cover: the windows as the program starts them.

#include <QAction>
#include <QTabWidget>
#include <QUndoStack>

#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

void StartNewCover(CaseKind kind) {
    CoverDocument start;
    start.caseChoice.kind = kind;
    start.artist = TForm2::ArtistPrompt();
    start.title = TForm2::TitlePrompt();
    ApplyCover(start);

    TForm1& window = *Form1;
    // The look commands open again when the editor is next closed.
    for (QWidget* button : {window.Button1, window.BitBtn1, window.BitBtn2})
        button->setEnabled(false);
    window.TabbedNotebook1->setCurrentIndex(TForm1::BackPage);
    window.FontDialog1->Font = FontDialog::DefaultFont();
    window.FontDialog1->Color = window.palette().color(QPalette::WindowText);
    window.OpenPictureDialog1->FileName.clear();
    // The overlay keeps the last back picture drawn through it.
    window.Image5.brushStyle = BrushStyle::Solid;
    window.Image5.clear();

    TForm2& editor = *Form2;
    editor.AddLengthsAction->setChecked(false);
    editor.History->clear();
}
