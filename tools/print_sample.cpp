// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a sample cover to a PDF through the same job as "Print":
//   sleevix_print_sample <out.pdf> [back picture] [front picture]

#include <QApplication>
#include <QLineEdit>
#include <QPrinter>

#include "app/cover_state.h"
#include "app/current_cover.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "pictures/picture_loader.h"
#include "print/print_job.h"
#include "tracks/track_editor.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <out.pdf> [back picture] [front picture]\n", argv[0]);
        return 2;
    }
    ProgramWindows windows;
    for (const char* track : {"Morning Light", "The Long Road Home", "Paper Boats",
                              "Harbour Lights", "Slow Tide", "Goodnight"}) {
        Form2->Edit1->setText(QString::fromLatin1(track));
        Form2->Button3Click();
    }
    Form2->Edit3->setText(QStringLiteral("The Examples"));
    Form2->Edit2->setText(QStringLiteral("Sample Sounds"));
    Form2->Button1Click();
    PrintArtistName = Form2->Edit3->text();
    PrintAlbumTitle = Form2->Edit2->text();
    if (argc > 2) {
        HasBackPicture = true;
        BackPicture = LoadPictureBitmap(QString::fromLocal8Bit(argv[2])).value_or(PictureBitmap());
    }
    if (argc > 3) {
        HasFrontPicture = true;
        FrontPicture = LoadPictureBitmap(QString::fromLocal8Bit(argv[3])).value_or(PictureBitmap());
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    PrintCover(printer, CurrentCover(CoverUse::Print));
    return 0;
}
