// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's controls beyond its design: import, the track count, the
// list's commands and its history, and what keys and drops do with them.

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUndoStack>

#include "app/cover_state.h"
#include "base/handler_guard.h"
#include "tracks/import/pasted_titles.h"
#include "tracks/track_editor.h"
#include "tracks/track_list_box.h"
#include "widgets/copy_drop.h"

namespace {
// Below the "Continue" row's left end, and in the track group under "Insert".
constexpr QRect ImportButtonPlace(16, 392, 75, 25);
constexpr QRect TrackCountPlace(16, 318, 193, 15);

// What was pasted: where the field's text before and after part, and the
// text put in there.
struct Insertion {
    qsizetype at = 0;
    QString text;
};

Insertion insertedText(const QString& before, const QString& after) {
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {head, after.mid(head, after.size() - head - tail)};
}
}  // namespace

void TForm2::buildEditingTools() {
    History = new QUndoStack(this);
    ImportDialog1 = std::make_unique<ScreenTrackSourceDialog>();
    Questions = std::make_unique<ScreenTrackListQuestions>();

    TrackCountLabel = new QLabel(GroupBox1);
    TrackCountLabel->setGeometry(TrackCountPlace);
    TrackCountLabel->setAlignment(Qt::AlignCenter);

    ImportButton = new QPushButton(QCoreApplication::translate("TrackEditor", "I&mport..."), this);
    ImportButton->setGeometry(ImportButtonPlace);
    ImportButton->setAutoDefault(false);
    auto* importMenu = new QMenu(ImportButton);
    ImportFilesAction =
        importMenu->addAction(QCoreApplication::translate("TrackEditor", "Tracks from &files..."));
    ImportFolderAction = importMenu->addAction(
        QCoreApplication::translate("TrackEditor", "Tracks from a f&older..."));
    importMenu->addSeparator();
    AddLengthsAction =
        importMenu->addAction(QCoreApplication::translate("TrackEditor", "&Add track lengths"));
    AddLengthsAction->setCheckable(true);
    ImportButton->setMenu(importMenu);
    ConnectHandler(ImportFilesAction, &QAction::triggered, this, [this] { ImportFilesClick(); });
    ConnectHandler(ImportFolderAction, &QAction::triggered, this, [this] { ImportFolderClick(); });

    buildListActions();
    connectHistory();
    showTrackCount();

    setAcceptDrops(true);
    for (QWidget* watched : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Edit2),
                             static_cast<QWidget*>(Edit3), static_cast<QWidget*>(ListBox1)})
        watched->installEventFilter(this);
}

TForm2::~TForm2() {
    // The list's model and selection report the list's end while the window
    // is already half gone; nothing here is to hear of it.
    disconnect(ListBox1->model(), nullptr, this, nullptr);
    disconnect(ListBox1->selectionModel(), nullptr, this, nullptr);
}

void TForm2::buildListActions() {
    // The keys are handled where they are pressed (handleEditingKey); the
    // menu shows them.
    auto command = [this](const QString& text, const QKeySequence& keys,
                          const std::function<void()>& handler) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        ConnectHandler(action, &QAction::triggered, this, handler);
        return action;
    };
    MoveUpAction = command(QCoreApplication::translate("TrackEditor", "Move &up"),
                           QKeySequence(Qt::ALT | Qt::Key_Up), [this] { MoveSelectedEntry(-1); });
    MoveDownAction =
        command(QCoreApplication::translate("TrackEditor", "Move do&wn"),
                QKeySequence(Qt::ALT | Qt::Key_Down), [this] { MoveSelectedEntry(1); });
    DeleteAction = command(QCoreApplication::translate("TrackEditor", "&Delete"),
                           QKeySequence(Qt::Key_Delete), [this] { DeleteSelectedEntry(); });
    RenumberAction = command(QCoreApplication::translate("TrackEditor", "&Renumber"), {},
                             [this] { RenumberEntries(); });
    ClearAction = command(QCoreApplication::translate("TrackEditor", "&Clear list..."), {},
                          [this] { ClearList(); });
    UndoAction = History->createUndoAction(this);
    UndoAction->setShortcut(QKeySequence::Undo);
    UndoAction->setShortcutContext(Qt::WidgetShortcut);
    RedoAction = History->createRedoAction(this);
    RedoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    RedoAction->setShortcutContext(Qt::WidgetShortcut);

    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListBox1, &QWidget::customContextMenuRequested, this, &TForm2::showListMenu);
}

void TForm2::connectHistory() {
    const std::array<QLineEdit*, 3> fields = {Edit1, Edit3, Edit2};
    for (size_t i = 0; i < fields.size(); ++i) {
        fieldTexts_[i] = fields[i]->text();
        connect(fields[i], &QLineEdit::textChanged, this, [this, i, fields](const QString& text) {
            // A change the field no longer shows (its text was set again
            // while it was being reported) is stale.
            if (fields[i]->text() != text) return;
            previousFieldTexts_[i] = fieldTexts_[i];
            fieldTexts_[i] = text;
        });
        connect(fields[i], &QLineEdit::textEdited, this, [this, i, fields](const QString& text) {
            // The signal may come before or after textChanged.
            const QString before = fieldTexts_[i] == text ? previousFieldTexts_[i] : fieldTexts_[i];
            QLineEdit* field = fields[i];
            if (field == Edit1 && IsSeveralLines(text)) {
                const Insertion pasted = insertedText(before, text);
                field->setText(before);
                field->setCursorPosition(int(pasted.at));
                RunHandler([&] { PasteTracks(pasted.text); });
                return;
            }
            recordTyping(field, before);
        });
    }
    auto* list = static_cast<TrackListBox*>(ListBox1);
    connect(list, &TrackListBox::userInputStarting, this,
            [this] { beforeListInput_ = CaptureEditorState(*this); });
    connect(list, &TrackListBox::userInputEnded, this, [this] { recordLostTrackField(); });
    connect(list, &TrackListBox::entryDropped, this,
            [this](int from, int before) { RunHandler([&] { MoveEntry(from, before); }); });
    connect(list, &TrackListBox::filesDropped, this,
            [this](const QStringList& paths) { RunHandler([&] { ImportPaths(paths); }); });
    connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TForm2::showEditingMode);
    QAbstractItemModel* entries = ListBox1->model();
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(entries, changed, this, &TForm2::showTrackCount);
    connect(entries, &QAbstractItemModel::modelReset, this, &TForm2::showTrackCount);
}

void TForm2::showEditingMode() {
    const bool correcting = !ListBox1->selectedItems().isEmpty();
    Button3->setText(correcting ? QCoreApplication::translate("TrackEditor", "&Replace")
                                : QCoreApplication::translate("TrackEditor", "&Insert"));
}

void TForm2::showTrackCount() {
    TrackCountLabel->setText(QCoreApplication::translate("TrackEditor", "%1 of %2 tracks")
                                 .arg(ListBox1->count())
                                 .arg(MaxTracks));
}

void TForm2::showListMenu(QPoint where) {
    const int row = SelectedRow(*ListBox1);
    const int entries = ListBox1->count();
    MoveUpAction->setEnabled(row > 0);
    MoveDownAction->setEnabled(row >= 0 && row + 1 < entries);
    DeleteAction->setEnabled(row >= 0);
    RenumberAction->setEnabled(entries > 0);
    ClearAction->setEnabled(entries > 0);
    QMenu menu(this);
    menu.addActions({MoveUpAction, MoveDownAction, DeleteAction});
    menu.addSeparator();
    menu.addActions({RenumberAction, ClearAction});
    menu.addSeparator();
    menu.addActions({UndoAction, RedoAction});
    menu.exec(ListBox1->viewport()->mapToGlobal(where));
}

bool TForm2::handleEditingKey(QObject* watched, const QKeyEvent& key) {
    const bool redo = key.matches(QKeySequence::Redo) ||
                      (key.key() == Qt::Key_Z && key.modifiers() == (Qt::CTRL | Qt::SHIFT));
    if (redo) {
        History->redo();
        return true;
    }
    if (key.matches(QKeySequence::Undo)) {
        History->undo();
        return true;
    }
    if (watched == Edit1 && key.key() == Qt::Key_Escape) {
        CancelCorrection();
        return true;
    }
    if (watched != ListBox1) return false;
    if (key.key() == Qt::Key_Delete && key.modifiers() == Qt::NoModifier) {
        DeleteSelectedEntry();
        return true;
    }
    if (key.modifiers() == Qt::AltModifier &&
        (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down)) {
        MoveSelectedEntry(key.key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return false;
}

bool TForm2::takeFileDrop(QObject* watched, QEvent* event) {
    const bool field = watched == Edit1 || watched == Edit2 || watched == Edit3;
    const auto type = event->type();
    if (!field || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = LocalFilesOf(drop->mimeData());
    if (files.isEmpty()) return false;  // text dropped into a field stays text
    AcceptAsCopy(drop);
    if (type == QEvent::Drop) RunHandler([&] { ImportPaths(files); });
    return true;
}

void TForm2::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFilesOf(event->mimeData()).isEmpty()) AcceptAsCopy(event);
}

void TForm2::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFilesOf(event->mimeData());
    if (files.isEmpty()) return;
    AcceptAsCopy(event);
    RunHandler([&] { ImportPaths(files); });
}
