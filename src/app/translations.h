// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// Where the installed program keeps its translations: share/sleevix/
// translations beside its bin folder (the build tree mirrors that layout).
QString InstalledTranslationsFolder();

// Installs the program's translation for `locale` from `folder`, and with
// it Qt's own (standard dialogs and buttons), so that the program speaks
// one language. Returns false, installing nothing, where the program has no
// translation for the locale: English and C stay as the source texts are.
bool InstallTranslations(const QLocale& locale, const QString& folder);

// Removes what InstallTranslations installed (tests go back to English).
void RemoveTranslations();
