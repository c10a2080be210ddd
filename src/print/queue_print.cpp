// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/queue_print.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/sleevix_error.h"
#include "print/case_page.h"
#include "print/print_job.h"
#include "print/print_outcome.h"

QString QueueOrDefault(const QString& queue) {
    const QString name = queue.isEmpty() ? QPrinterInfo::defaultPrinterName() : queue;
    if (name.isEmpty())
        throw SleevixError(QCoreApplication::translate(
            "Printing", "Cannot print: no default printer is set up; name one"));
    return name;
}

QString PrintToQueue(const QString& queue, const CoverValue& cover, bool strict) {
    const QString name = QueueOrDefault(queue);
    // Qt would write a PDF instead for a name it does not know: the
    // scheduler says what is wrong with the name first.
    if (!QPrinterInfo::availablePrinterNames().contains(name)) CheckQueueAcceptsJobs(name);
    if (!QPrinterInfo::availablePrinterNames().contains(name))
        throw SleevixError(QCoreApplication::translate("Printing", "Cannot print to \"%1\": %2")
                               .arg(name, QCoreApplication::translate(
                                              "Printing", "there is no such printer")));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    PrepareCoverPrint(printer, cover);
    const QString note = SheetPaperNote(printer, cover);
    if (strict && !note.isEmpty()) throw SleevixError(note);
    PrintCover(printer, cover);
    return note;
}
