// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "support/window_fixture.h"

// A fixture with helpers to fill the track editor and run the cover's
// commands the way their handlers run.
class CoverFixture : public WindowFixture {
  protected:
    void SetUp() override;
    // Puts the scripted font, colour and picture dialogs into the main
    // window (again, after a restart).
    void scriptDialogs();

    // Appends tracks through the editor's Insert.
    void addTracks(const QStringList& texts);
    void setArtistAndTitle(const QString& artist, const QString& title);
    // Runs a handler through the error wrapper, as a click does.
    void run(const std::function<void()>& handler);
    void commit();  // "Continue"
    void centre();  // "Center"
    void switchOutlines(bool fold, bool back, bool front);
    // "Image" on the given tab (0 back, 1 front), the dialog answering `file`.
    void choosePicture(int page, const QString& file);

    ScriptedFontDialog* fontDialog = nullptr;
    ScriptedColorDialog* colorDialog = nullptr;
    ScriptedOpenPictureDialog* pictureDialog = nullptr;
};
