// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>

#include "app/main_window.h"
#include "app/translations.h"
#include "cases/case_kind_question.h"
#include "document/document_dialogs.h"
#include "pictures/picture_dialog.h"
#include "support/window_fixture.h"
#include "tracks/track_editor.h"
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
// stand for one of them only; with eachHasOne every control has one.
void expectUniqueAccessLetters(const QStringList& captions, bool eachHasOne = false) {
    QStringList letters;
    for (const QString& caption : captions) {
        const qsizetype marker = caption.indexOf(QLatin1Char('&'));
        if (marker >= 0)
            letters << caption.mid(marker + 1, 1).toLower();
        else if (eachHasOne)
            ADD_FAILURE() << "no access letter: " << caption.toStdString();
    }
    for (const QString& letter : letters)
        EXPECT_EQ(letters.count(letter), 1) << "'" << letter.toStdString() << "' in "
                                            << captions.join(QLatin1String(", ")).toStdString();
}

QStringList texts(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* action : actions)
        if (!action->isSeparator()) captions << action->text();
    return captions;
}

// Each control's caption: a button's, and those of the labels standing for it.
QStringList captionsIn(const QWidget& window) {
    QMap<const QWidget*, QString> captions;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty()) captions[button] += button->text();
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy()) captions[label->buddy()] += label->text();
    return captions.values();
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
        TForm1& window = *Form1;
        for (CaseKind kind : AllCaseKinds) {  // each kind has tabs of its own
            window.ChooseCaseKind(kind);
            expectUniqueAccessLetters(texts(window.MainMenu1->actions()) + captionsIn(window) +
                                          QStringList{window.TabbedNotebook1->tabText(0),
                                                      window.TabbedNotebook1->tabText(1)},
                                      true);
        }
        for (const QMenu* menu : {window.File1, window.Cover1, window.Help1})
            expectUniqueAccessLetters(texts(menu->actions()));
        const TForm2& editor = *Form2;
        expectUniqueAccessLetters(
            captionsIn(editor) << QCoreApplication::translate("TrackEditor", "&Replace"), true);
        expectUniqueAccessLetters(texts(editor.ImportButton->menu()->actions()), true);
        expectUniqueAccessLetters(
            texts({editor.MoveUpAction, editor.MoveDownAction, editor.DeleteAction,
                   editor.RenumberAction, editor.ClearAction}),
            true);
        // The questions and the picture dialog, read as they open.
        const auto shown = [](const std::function<void()>& open) {
            QStringList captions;
            whenModalOpens([&] {
                captions = captionsIn(*QApplication::activeModalWidget());
                QApplication::activeModalWidget()->close();
            });
            open();
            EXPECT_FALSE(captions.isEmpty());
            return captions;
        };
        for (const auto& ask : std::initializer_list<std::function<void()>>{
                 [] { ScreenSaveChangesQuestion().Ask(QString(), Form1); },
                 [] { ScreenCaseKindQuestion().Ask(Form1); },
                 [] { ScreenTrackListQuestions().AskImportMode(Form2, 2, 3); }})
            expectUniqueAccessLetters(shown(ask), true);
        expectUniqueAccessLetters(shown([] { ScreenOpenPictureDialog().Execute(Form1); }));
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
