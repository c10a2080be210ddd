// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QDialog>

#include "tracks/editor_history.h"
#include "tracks/editor_seams.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QUndoStack;
struct ImportedTracks;

// The track editor: the track list, the artist and the title are typed here,
// and its controls keep them for the whole run, also while it is hidden.
class TForm2 : public QDialog {
    Q_OBJECT
  public:
    TForm2();
    ~TForm2() override;

    // The artist and title fields' texts until the user types their own.
    static QString ArtistPrompt();
    static QString TitlePrompt();

    QGroupBox* GroupBox1;
    QLabel* Label4;         // "Tracks on the CD:"
    QListWidget* ListBox1;  // the track list
    QLabel* Label1;         // "Type in track:"
    QLineEdit* Edit1;       // the track being typed
    QPushButton* Button3;   // "Insert"
    QGroupBox* GroupBox2;
    QLabel* Label5;        // "Artist:"
    QLineEdit* Edit3;      // artist
    QLabel* Label6;        // "Title:"
    QLineEdit* Edit2;      // title
    QPushButton* Button1;  // "Continue"

    // Beyond the design: import, a count of the tracks, list commands
    // (the list's context menu) and the history of changes.
    QPushButton* ImportButton;  // "Import...", a menu of the actions below
    QAction* ImportFilesAction;
    QAction* ImportFolderAction;
    QAction* AddLengthsAction;  // checked: imports append " (m:ss)"
    QLabel* TrackCountLabel;    // "N of 41 tracks"
    QAction* MoveUpAction;
    QAction* MoveDownAction;
    QAction* DeleteAction;
    QAction* RenumberAction;
    QAction* ClearAction;
    QAction* UndoAction;
    QAction* RedoAction;
    QUndoStack* History;
    std::unique_ptr<TrackSourceDialog> ImportDialog1;
    std::unique_ptr<TrackListQuestions> Questions;

    void FormShow();
    void FormActivate();
    void Button3Click();
    void Edit1KeyDown(int key, Qt::KeyboardModifiers shift);
    void ListBox1Click();
    // The commit: carries the editor's texts onto the cover and closes it.
    void Button1Click();

    // The text of entry i, as the cover reads it.
    QString trackEntry(int index) const;

    void DeleteSelectedEntry();
    // Moves the selected entry `step` places down (negative: up).
    void MoveSelectedEntry(int step);
    // Moves the entry at `from` to go before the entry now at `before`.
    void MoveEntry(int from, int before);
    void RenumberEntries();
    void ClearList();  // asks first
    // Escape in the track field: back to append mode, nothing changed.
    void CancelCorrection();
    // Several lines pasted into the track field: one entry per line.
    void PasteTracks(const QString& text);
    void ImportFilesClick();
    void ImportFolderClick();
    // Imports from files or folders (a drop, or a file opened elsewhere).
    void ImportPaths(const QStringList& paths);

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildTrackGroup();
    void buildTitleGroup();
    void buildEditingTools();
    void buildListActions();
    void chainTabOrder();
    void connectHandlers();
    void connectHistory();

    void insertFromTrackField();
    void showEditingMode();
    void showTrackCount();
    void showListMenu(QPoint where);
    bool handleEditingKey(QObject* watched, const QKeyEvent& key);
    // Files dropped on a field are imported, not typed in as addresses.
    bool takeFileDrop(QObject* watched, QEvent* event);

    // Runs `change` and keeps what it did, if anything, as one step of
    // the history (also when it ends with an error).
    void recordChange(const QString& what, const std::function<void()>& change);
    void recordTyping(QLineEdit* field, const QString& before);
    void recordLostTrackField();
    // Adds numbered entries for the titles, as many as the cover has room
    // for; throws afterwards saying how many were left out.
    void appendTitles(const QStringList& titles);
    void applyImport(const ImportedTracks& imported);

    // The field texts as they were before the latest edit, for typing
    // steps; and the state before the list's latest click or key.
    std::array<QString, 3> fieldTexts_;
    std::array<QString, 3> previousFieldTexts_;
    std::optional<EditorState> beforeListInput_;
};
