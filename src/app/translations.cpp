// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const char* const ProgramCatalogue = "sleevix";
// Qt's standard dialogs and buttons: qtbase_de.qm and its kin.
const char* const QtCatalogue = "qtbase";
const char* const InstalledFolderFromProgram = "/../share/sleevix/translations";

struct InstalledTranslators {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

InstalledTranslators& installed() {
    static InstalledTranslators translators;
    return translators;
}

}  // namespace

QString InstalledTranslationsFolder() {
    return QCoreApplication::applicationDirPath() + QLatin1String(InstalledFolderFromProgram);
}

bool InstallTranslations(const QLocale& locale, const QString& folder) {
    RemoveTranslations();
    auto program = std::make_unique<QTranslator>();
    if (!program->load(locale, QLatin1String(ProgramCatalogue), QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(program.get());
    installed().program = std::move(program);
    // Without Qt's own catalogue (qt6-translations-l10n) its dialogs stay
    // English; the program's texts are translated all the same.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QLatin1String(QtCatalogue), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed().qt = std::move(qt);
    }
    return true;
}

void RemoveTranslations() {
    for (std::unique_ptr<QTranslator>* translator : {&installed().program, &installed().qt}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}
