// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// The editor's track list: a plain list box that also tells the editor
// when the user is about to change its selection (so that a click that
// replaces unsaved text in the track field can be undone), lets entries be
// dragged to another place, takes files dropped on it for import, and
// brings entries into view as they are added.
class TrackListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit TrackListBox(QWidget* parent = nullptr);

    // The row an entry dropped at `point` (in the viewport) goes before;
    // count() for the end.
    int dropRowAt(QPoint point) const;

  signals:
    void userInputStarting();
    void userInputEnded();
    // An entry dragged from `from` to go before the entry at `before`.
    void entryDropped(int from, int before);
    void filesDropped(const QStringList& paths);

  protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

  private:
    int draggedRow(const QMimeData* data) const;
};

// The row of the list's selected entry, or -1.
int SelectedRow(const QListWidget& list);

// The texts of the list's entries, in list order.
QStringList ListEntries(const QListWidget& list);

// The local files among dropped data's addresses.
QStringList LocalFilesOf(const QMimeData* data);
