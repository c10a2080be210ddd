// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_outcome.h"

#include <algorithm>

#include <cups/cups.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "base/output_file.h"
#include "base/sleevix_error.h"

namespace {

constexpr qint64 PdfTailBytes = 64;

// A PDF ends with "startxref", the byte offset of its cross-reference table,
// and "%%EOF". The writer counts the offset as it goes, so a write that
// failed anywhere before the table moves the table away from that offset,
// and one that failed after it cuts the end off.
bool PdfIsComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    file.seek(std::max<qint64>(0, file.size() - PdfTailBytes));
    static const QRegularExpression trailer(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch found = trailer.match(QString::fromLatin1(file.readAll()));
    if (!found.hasMatch()) return false;
    bool valid = false;
    const qint64 table = found.captured(1).toLongLong(&valid);
    return valid && file.seek(table) && file.read(4) == "xref";
}

QString lastCupsError() {
    return QString::fromUtf8(cupsLastErrorString());
}

}  // namespace

void CheckQueueAcceptsJobs(const QString& queue) {
    const QByteArray name = queue.toUtf8();
    // This lookup also leaves libcups's per-thread status at "successful",
    // so that CheckQueueTookJob reads the job's own answer afterwards.
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        throw SleevixError(QCoreApplication::translate("Printing", "Cannot print to \"%1\": %2")
                               .arg(queue, lastCupsError()));
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting && qstrcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    if (refuses)
        throw SleevixError(QCoreApplication::translate(
                               "Printing", "Cannot print: the printer \"%1\" is not accepting jobs")
                               .arg(queue));
}

void CheckQueueTookJob(const QString& queue) {
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw SleevixError(
            QCoreApplication::translate("Printing", "Printing failed: \"%1\" refused the job: %2")
                .arg(queue, lastCupsError()));
}

void CheckFileWrittenCompletely(const QString& path, const QString& shownPath) {
    if (!QFileInfo(path).isFile()) return;  // a device or a pipe: nothing to read back
    // Qt's writer does not say why it stopped; a PDF cut short is a disk
    // that filled, said as every other write says it.
    if (!PdfIsComplete(path))
        throw SleevixError(CannotWriteMessage().arg(QDir::toNativeSeparators(shownPath),
                                                    DiskIsFullReason()));
}
