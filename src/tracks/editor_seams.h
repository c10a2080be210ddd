// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The track editor's questions and its import dialog, as objects it owns:
// the screen implementations ask the user; tests put scripted ones in their
// place.

#include <QStringList>

class QWidget;

// Chooses what to import tracks from.
class TrackSourceDialog {
  public:
    enum class Choose { Files, Folder };
    virtual ~TrackSourceDialog() = default;
    // On OK sets Paths to the chosen files (or the one folder) and returns
    // true.
    virtual bool Execute(QWidget* parent, Choose what) = 0;
    QStringList Paths;
};

class TrackListQuestions {
  public:
    enum class ImportMode { Replace, Append, Cancel };
    virtual ~TrackListQuestions() = default;
    // Asked before an import into a list that has entries.
    virtual ImportMode AskImportMode(QWidget* parent, int entries, int incoming) = 0;
    // Asked before "Clear list"; true to go ahead.
    virtual bool ConfirmClear(QWidget* parent, int entries) = 0;
    // Asked after an import from audio files that carry album art; true to
    // lay the art of `file` on the front insert.
    virtual bool OfferAlbumArt(QWidget* parent, const QString& file) = 0;
};

class ScreenTrackSourceDialog : public TrackSourceDialog {
  public:
    bool Execute(QWidget* parent, Choose what) override;
};

class ScreenTrackListQuestions : public TrackListQuestions {
  public:
    ImportMode AskImportMode(QWidget* parent, int entries, int incoming) override;
    bool ConfirmClear(QWidget* parent, int entries) override;
    bool OfferAlbumArt(QWidget* parent, const QString& file) override;
};
