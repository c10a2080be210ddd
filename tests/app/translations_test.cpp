// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

#include "app/main_window.h"
#include "app/translations.h"
#include "support/window_fixture.h"
#include "widgets/captioned_button.h"

// The windows speak the language they are given, the program's texts and
// Qt's own buttons alike; English and C are the texts as written.
class Translations : public WindowFixture {
  protected:
    void TearDown() override {
        RemoveTranslations();
        WindowFixture::TearDown();
    }
};

namespace {
// The access letters of controls that share a window or a menu: each must
// stand for one of them only.
void expectUniqueAccessLetters(const QStringList& captions) {
    QStringList letters;
    for (const QString& caption : captions) {
        const qsizetype marker = caption.indexOf(QLatin1Char('&'));
        if (marker >= 0) letters << caption.mid(marker + 1, 1).toLower();
    }
    for (const QString& letter : letters)
        EXPECT_EQ(letters.count(letter), 1) << "'" << letter.toStdString() << "' in "
                                            << captions.join(QLatin1String(", ")).toStdString();
}

QStringList texts(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* action : actions) captions << action->text();
    return captions;
}

struct Language {
    const char* locale;
    bool translated;
    const char* printButton;
    const char* fileMenu;
    const char* cancelButton;
};
}  // namespace

TEST_F(Translations, EachLanguageCaptionsTheWindowsAndEnglishStaysAsWritten) {
    const Language languages[] = {
        {"de_DE", true, "Dr&ucken", "&Datei", "Abbrechen"},
        {"fr_FR", true, "Imp&rimer", "&Fichier", "Annuler"},
        {"es_ES", true, "Im&primir", "&Archivo", "Cancelar"},
        {"en_US", false, "&Print", "&File", "Cancel"},
        {"C", false, "&Print", "&File", "Cancel"},
    };
    for (const Language& language : languages) {
        SCOPED_TRACE(language.locale);
        EXPECT_EQ(InstallTranslations(QLocale(QLatin1String(language.locale)),
                                      InstalledTranslationsFolder()),
                  language.translated);
        restartProgram();
        EXPECT_EQ(Form1->button4->text(), QLatin1String(language.printButton));
        EXPECT_EQ(Form1->File1->title(), QLatin1String(language.fileMenu));
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(),
                  QLatin1String(language.cancelButton));
        const TForm1& window = *Form1;
        QStringList windowLetters = texts(window.MainMenu1->actions());
        for (const QPushButton* button : window.findChildren<CaptionedButton*>())
            windowLetters << button->text();
        expectUniqueAccessLetters(windowLetters);
        for (const QMenu* menu : {window.File1, window.Cover1, window.Help1})
            expectUniqueAccessLetters(texts(menu->actions()));
    }
}

// As a user meets it: the desktop's LANG alone chooses German. The locale
// of a process is fixed as it starts, so the check runs in a child started
// with the desktop's variables set as a German session sets them.
TEST_F(Translations, AGermanDesktopGetsGermanCaptions) {
    if (QLocale::system().name() != QLatin1String("de_DE")) {
        QProcessEnvironment desktop = QProcessEnvironment::systemEnvironment();
        for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            desktop.remove(QLatin1String(overriding));
        desktop.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        QProcess child;
        child.setProcessEnvironment(desktop);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=Translations.AGermanDesktopGetsGermanCaptions")});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        return;
    }
    ASSERT_TRUE(InstallTranslations(QLocale::system(), InstalledTranslationsFolder()));
    restartProgram();
    EXPECT_EQ(Form1->button3->text(), QStringLiteral("&Trackliste"));
    EXPECT_EQ(Form1->Cover1->actions().constFirst()->text(),
              QStringLiteral("&Tracks bearbeiten..."));
    EXPECT_EQ(Form1->Help1->title(), QStringLiteral("&Hilfe"));
}
