// "Print": both inserts at physical size on one page of the printer the
// user picks.

#include <QLineEdit>
#include <QPrinter>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "print/print_job.h"
#include "tracks/track_editor.h"

void TForm1::Button4Click() {
    // The editor's fields as they stand now, committed or not.
    PrintArtistName = Form2->Edit3->text();
    PrintAlbumTitle = Form2->Edit2->text();
    QPrinter printer(QPrinter::HighResolution);
    if (!PrintDialog1->Execute(printer, this)) return;
    PrintCover(printer);
}
