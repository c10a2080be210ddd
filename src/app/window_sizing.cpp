// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_sizing.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// Room kept right of and below the outermost control.
constexpr int ControlMargin = 2;
const QString FrameWatcherName = QStringLiteral("sleevix-frame-watcher");

// Thicker than any window manager's frame: Qt can report such a frame for a
// moment while a window is being framed, and it is not to be sized for.
constexpr int ImplausibleFrame = 200;

// The window's frame as far as it is known; an invalid size while it is not.
QSize frameOf(const QWidget& window) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (frame.width() >= ImplausibleFrame || frame.height() >= ImplausibleFrame) return QSize();
    return frame;
}

void applyOuterSize(QWidget& window, QSize outer, QSize frame) {
    QSize client = outer - frame;
    const QRect controls = window.childrenRect();
    client = client.expandedTo(
        QSize(controls.right() + 1 + ControlMargin, controls.bottom() + 1 + ControlMargin));
    window.resize(client);
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        const QSize outerSize = client + frame;
        window.move(available.x() + (available.width() - outerSize.width()) / 2,
                    available.y() + (available.height() - outerSize.height()) / 2);
    }
}

// Watches a window for the frame its window manager gives it. The frame is
// known once the manager has framed the window, which Qt learns without
// telling the widget; the window is exposed only after it, so an expose (or
// a move or resize of the native window) is where to look.
class FrameWatcher : public QObject {
  public:
    explicit FrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(FrameWatcherName);
    }

    void apply(QSize outer) {
        outer_ = outer;
        // The native window is made anew for each showing of a dialog.
        if (QWindow* native = window_.windowHandle()) native->installEventFilter(this);
        const QSize frame = frameOf(window_);
        appliedFrame_ = frame.isValid() ? frame : QSize(0, 0);
        applyOuterSize(window_, outer_, appliedFrame_);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Expose && type != QEvent::Move && type != QEvent::Resize) return false;
        const QSize frame = frameOf(window_);
        if (window_.isVisible() && frame.isValid() && frame != appliedFrame_) apply(outer_);
        return false;
    }

  private:
    QWidget& window_;
    QSize outer_;
    QSize appliedFrame_;
};

}  // namespace

void SizeAndCentreWindow(QWidget& window, QSize outer) {
    // Found by its name: the class has no meta-object of its own to cast by.
    auto* watcher = static_cast<FrameWatcher*>(
        window.findChild<QObject*>(FrameWatcherName, Qt::FindDirectChildrenOnly));
    if (!watcher) watcher = new FrameWatcher(window);
    watcher->apply(outer);
}
