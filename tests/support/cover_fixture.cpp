// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cover_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/main_window.h"
#include "base/handler_guard.h"
#include "tracks/track_editor.h"

void CoverFixture::SetUp() {
    WindowFixture::SetUp();
    scriptDialogs();
}

void CoverFixture::scriptDialogs() {
    auto font = std::make_unique<ScriptedFontDialog>();
    fontDialog = font.get();
    Form1->FontDialog1 = std::move(font);
    auto colour = std::make_unique<ScriptedColorDialog>();
    colorDialog = colour.get();
    Form1->ColorDialog1 = std::move(colour);
    auto pictures = std::make_unique<ScriptedOpenPictureDialog>();
    pictureDialog = pictures.get();
    Form1->OpenPictureDialog1 = std::move(pictures);
}

void CoverFixture::addTracks(const QStringList& texts) {
    for (const QString& text : texts) {
        Form2->Edit1->setText(text);
        Form2->Button3->click();
    }
}

void CoverFixture::setArtistAndTitle(const QString& artist, const QString& title) {
    Form2->Edit3->setText(artist);
    Form2->Edit2->setText(title);
}

void CoverFixture::run(const std::function<void()>& handler) {
    RunHandler(handler);
}

void CoverFixture::commit() {
    run([] { Form2->Button1Click(); });
}

void CoverFixture::centre() {
    run([] { Form1->BitBtn1Click(); });
}

void CoverFixture::switchOutlines(bool fold, bool back, bool front) {
    Form1->CheckBox1->setChecked(fold);
    Form1->CheckBox2->setChecked(back);
    Form1->CheckBox3->setChecked(front);
}

void CoverFixture::choosePicture(int page, const QString& file) {
    Form1->TabbedNotebook1->setCurrentIndex(page);
    pictureDialog->answers = {file};
    run([] { Form1->BitBtn5Click(); });
}
