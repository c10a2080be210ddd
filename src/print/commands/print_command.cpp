// SPDX-License-Identifier: GPL-3.0-or-later
// "Print": both inserts at physical size on one page of the printer the
// user picks.

#include <QLineEdit>
#include <QPrinter>

#include "app/cover_operations.h"
#include "app/main_window.h"
#include "base/error_box.h"
#include "print/case_page.h"
#include "print/print_job.h"
#include "render/shown_text.h"
#include "tracks/track_editor.h"

namespace {

// A print queue lists the job by this name, a PDF carries it as its title
// and the dialog offers it as the file's name: a title's length, not a
// megabyte's.
constexpr qsizetype MaxJobNameCharacters = 200;

// The name of a job whose cover names neither artist nor title.
const QString UnnamedJob = QStringLiteral("cover");

// The name the print queue and a PDF printer's file show for the job: the
// artist and title, leaving out the editor's prompts, which name nothing.
QString printJobName(const CoverValue& cover) {
    QStringList parts;
    for (const QString& whole : {cover.artist, cover.title}) {
        const QString part = TextBeginning(whole, MaxJobNameCharacters).trimmed();
        if (!part.isEmpty() && part != TForm2::ArtistPrompt() && part != TForm2::TitlePrompt())
            parts << part;
    }
    return parts.isEmpty() ? UnnamedJob
                           : TextBeginning(parts.join(QStringLiteral(" - ")), MaxJobNameCharacters);
}

}  // namespace

void PrepareCoverPrint(QPrinter& printer, const CoverValue& cover) {
    printer.setDocName(printJobName(cover));
    SetPaperForCase(cover, printer);
}

void TForm1::Button4Click() {
    const CoverValue cover = CoverToPrint();
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrint(printer, cover);
    if (!PrintDialog1->Execute(printer, this)) return;
    if (const QString note = SheetPaperNote(printer, cover); !note.isEmpty())
        ApplicationErrorBox().Show(note);
    PrintCover(printer, cover);
}
