// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/button_command.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMenu>

namespace {

// The button's enabling (nothing disables some of them until a new cover)
// is the item's.
class EnabledMirror : public QObject {
  public:
    EnabledMirror(QAction& item, QAbstractButton& button) : QObject(&item), item_(item) {
        item.setEnabled(button.isEnabled());
        button.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            item_.setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return false;
    }

  private:
    QAction& item_;
};

}  // namespace

QAction* AddButtonCommand(QMenu& menu, const QString& caption, const QKeySequence& shortcut,
                          QAbstractButton& button) {
    QAction* item = menu.addAction(caption);
    item->setShortcut(shortcut);
    new EnabledMirror(*item, button);
    QObject::connect(item, &QAction::triggered, &button, &QAbstractButton::click);
    return item;
}
