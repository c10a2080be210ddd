// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The track editor's questions and import dialog, answering from a script.

#include <deque>

#include "tracks/editor_seams.h"

class ScriptedTrackSourceDialog : public TrackSourceDialog {
  public:
    // Each Execute takes the next answer; an empty list (or none left)
    // is Cancel.
    std::deque<QStringList> answers;
    std::vector<Choose> asked;
    bool Execute(QWidget*, Choose what) override {
        asked.push_back(what);
        if (answers.empty()) return false;
        Paths = answers.front();
        answers.pop_front();
        return !Paths.isEmpty();
    }
};

class ScriptedTrackListQuestions : public TrackListQuestions {
  public:
    std::deque<ImportMode> importModes;  // none left: Cancel
    std::deque<bool> clearAnswers;       // none left: No
    QStringList asked;                   // what was asked, with its numbers

    ImportMode AskImportMode(QWidget*, int entries, int incoming) override {
        asked << QStringLiteral("import %1 onto %2").arg(incoming).arg(entries);
        if (importModes.empty()) return ImportMode::Cancel;
        const ImportMode mode = importModes.front();
        importModes.pop_front();
        return mode;
    }
    std::deque<bool> artAnswers;  // none left: No
    QStringList artOffered;       // the files whose art was offered
    bool OfferAlbumArt(QWidget*, const QString& file) override {
        artOffered << file;
        if (artAnswers.empty()) return false;
        const bool answer = artAnswers.front();
        artAnswers.pop_front();
        return answer;
    }
    bool ConfirmClear(QWidget*, int entries) override {
        asked << QStringLiteral("clear %1").arg(entries);
        if (clearAnswers.empty()) return false;
        const bool answer = clearAnswers.front();
        clearAnswers.pop_front();
        return answer;
    }
};
