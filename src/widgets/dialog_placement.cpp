// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialog_placement.h"

#include <algorithm>
#include <optional>

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "widgets/desktop_frame.h"

namespace {

QSize marginSize(const QMargins& frame) {
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

// Places the dialog before it is shown (so Qt's own placement stays out),
// assuming the owner's frame, and once more when the window manager has
// framed it, should its frame differ.
class OwnerCentring : public QObject {
  public:
    explicit OwnerCentring(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Show && !event->spontaneous()) {
            framed_ = false;
            // The native window is made anew for each showing.
            if (QWindow* native = dialog_.windowHandle()) native->installEventFilter(this);
            place(std::nullopt);
        } else if (watched != &dialog_ && !framed_ && event->type() == QEvent::Expose) {
            if (const std::optional<QMargins> frame = DesktopFrameOf(dialog_)) {
                framed_ = true;
                if (*frame != assumedFrame_) place(frame);
            }
        }
        return false;
    }

  private:
    void place(const std::optional<QMargins>& ownFrame) {
        const QWidget* owner = dialog_.parentWidget() ? dialog_.parentWidget()->window() : nullptr;
        if (!owner || !owner->isVisible()) return;
        const QMargins ownerFrame = DesktopFrameOf(*owner).value_or(QMargins());
        const QRect ownerOuter = owner->geometry().marginsAdded(ownerFrame);
        assumedFrame_ = ownFrame.value_or(ownerFrame);
        const QSize outer = dialog_.size() + marginSize(assumedFrame_);
        QPoint topLeft(ownerOuter.x() + (ownerOuter.width() - outer.width()) / 2,
                       ownerOuter.y() + (ownerOuter.height() - outer.height()) / 2);
        if (const QScreen* screen = owner->screen()) {
            const QRect available = screen->availableGeometry();
            topLeft.setX(std::clamp(topLeft.x(), available.left(),
                                    std::max(available.left(), available.right() + 1 - outer.width())));
            topLeft.setY(std::clamp(topLeft.y(), available.top(),
                                    std::max(available.top(), available.bottom() + 1 - outer.height())));
        }
        // The client rectangle is set, as for the main window: Qt's idea of
        // a frame it has not seen yet is a guess.
        dialog_.setGeometry(
            QRect(topLeft + QPoint(assumedFrame_.left(), assumedFrame_.top()), dialog_.size()));
    }

    QWidget& dialog_;
    QMargins assumedFrame_;
    bool framed_ = false;
};

}  // namespace

void CentreOverOwner(QWidget& dialog) {
    new OwnerCentring(dialog);
}
