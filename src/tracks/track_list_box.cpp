// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/track_list_box.h"

#include <QDataStream>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QUrl>

#include "render/shown_text.h"
#include "widgets/copy_drop.h"

namespace {
// The format in which Qt's item views carry dragged entries.
const QString ItemListFormat = QStringLiteral("application/x-qabstractitemmodeldatalist");
}  // namespace

int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.constFirst());
}

QStringList ListEntries(const QListWidget& list) {
    QStringList entries;
    entries.reserve(list.count());
    for (int i = 0; i < list.count(); ++i) entries << list.item(i)->text();
    return entries;
}

void TrackListBox::rowsInserted(const QModelIndex& parent, int start, int end) {
    QListWidget::rowsInserted(parent, start, end);
    // Whoever added entries wants to see the last of them.
    scrollTo(model()->index(end, 0));
}

QStringList LocalFilesOf(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

namespace {

// Shows and measures no more of an entry than any list can show: an entry
// of megabytes would otherwise be shaped whole for every size the list asks
// for, freezing the window. The entry itself stays whole.
class ShownEntryDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = ShownText(option->text);
    }
};

}  // namespace

TrackListBox::TrackListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new ShownEntryDelegate(this));
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

// The drop moves the entry through the editor; the drag itself never
// removes it, whatever the target answers.
void TrackListBox::startDrag(Qt::DropActions) {
    const QModelIndexList dragged = selectedIndexes();
    if (dragged.isEmpty()) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(dragged));
    drag->exec(Qt::MoveAction);
}

void TrackListBox::mousePressEvent(QMouseEvent* event) {
    emit userInputStarting();
    QListWidget::mousePressEvent(event);
    emit userInputEnded();
}

void TrackListBox::mouseReleaseEvent(QMouseEvent* event) {
    emit userInputStarting();
    QListWidget::mouseReleaseEvent(event);
    emit userInputEnded();
}

void TrackListBox::keyPressEvent(QKeyEvent* event) {
    emit userInputStarting();
    QListWidget::keyPressEvent(event);
    emit userInputEnded();
}

int TrackListBox::dropRowAt(QPoint point) const {
    const QModelIndex target = indexAt(point);
    if (!target.isValid()) return count();
    const QRect place = visualRect(target);
    return point.y() > place.center().y() ? target.row() + 1 : target.row();
}

// The row of an entry dragged from this list, or -1 for anything else: the
// dragged data must name one row whose entry still reads as dragged.
int TrackListBox::draggedRow(const QMimeData* dropped) const {
    if (!dropped || !dropped->hasFormat(ItemListFormat)) return -1;
    QByteArray encoded = dropped->data(ItemListFormat);
    QDataStream stream(&encoded, QIODevice::ReadOnly);
    int row = -1, column = -1;
    QMap<int, QVariant> roles;
    stream >> row >> column >> roles;
    if (stream.status() != QDataStream::Ok || !stream.atEnd()) return -1;
    const QListWidgetItem* entry = item(row);
    if (!entry || entry->text() != roles.value(Qt::DisplayRole).toString()) return -1;
    return row;
}

void TrackListBox::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFilesOf(event->mimeData()).isEmpty())
        AcceptAsCopy(event);
    else if (draggedRow(event->mimeData()) >= 0)
        QListWidget::dragEnterEvent(event);
    else
        event->ignore();
}

void TrackListBox::dragMoveEvent(QDragMoveEvent* event) {
    QListWidget::dragMoveEvent(event);
    if (!LocalFilesOf(event->mimeData()).isEmpty()) AcceptAsCopy(event);
}

// The move itself is the editor's, so that it can be undone.
void TrackListBox::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    const QStringList files = LocalFilesOf(event->mimeData());
    const int from = draggedRow(event->mimeData());
    if (!files.isEmpty()) {
        AcceptAsCopy(event);
        emit filesDropped(files);
    } else if (from >= 0) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
        emit entryDropped(from, dropRowAt(event->position().toPoint()));
    } else {
        event->ignore();
    }
}
