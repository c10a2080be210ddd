// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_per_file.h"

#include <QCoreApplication>
#include <QProcess>

#include "base/sleevix_error.h"

void StartProgramForEach(const QStringList& paths) {
    QStringList failed;
    for (const QString& path : paths) {
        // "--": a file whose name starts with a dash is still a file.
        if (!QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                     {QStringLiteral("--"), path}))
            failed << path;
    }
    if (!failed.isEmpty())
        throw SleevixError(
            QCoreApplication::translate("Errors", "Sleevix could not be started again to open %1")
                .arg(failed.join(QStringLiteral(", "))));
}
