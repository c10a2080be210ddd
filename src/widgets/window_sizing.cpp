// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_sizing.h"

#include "widgets/desktop_frame.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Room kept right of and below the outermost control.
constexpr int ControlMargin = 2;
const QString FrameWatcherName = QStringLiteral("sleevix-frame-watcher");

// Thicker than any window manager's frame: such a frame is not to be sized for.
constexpr int ImplausibleFrame = 200;

// A window manager may still place a new window by its own rules after the
// program has placed it (openbox does so now and then for a window mapped
// while it is busy). So the placement is checked again once the window has
// been quiet for a while, and put right a few times at most, only while the
// window is new: later moves belong to the user.
constexpr int QuietBeforeCheckMs = 120;
constexpr int SettlingPeriodMs = 2000;
constexpr int MostCorrections = 3;

// The window's frame as far as it is known; no frame while it is not.
QMargins frameOf(const QWidget& window) {
    const std::optional<QMargins> frame = DesktopFrameOf(window);
    if (!frame) return QMargins();
    const int across = frame->left() + frame->right();
    const int down = frame->top() + frame->bottom();
    if (across >= ImplausibleFrame || down >= ImplausibleFrame) return QMargins();
    return *frame;
}

// Where the window's controls lie. A menu bar spans the window at whatever
// width it has, so it is not counted: it would keep the window as wide as
// it already is.
QRect controlsRect(const QWidget& window) {
    QRect controls;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->isHidden() && !qobject_cast<const QMenuBar*>(child))
            controls |= child->geometry();
    return controls;
}

// The client rectangle that gives the window the outer size `outer` with
// this frame, centred on its screen, never too small for its controls.
QRect clientRectFor(const QWidget& window, QSize outer, QMargins frame) {
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QRect controls = controlsRect(window);
    const QSize client = (outer - frameSize)
                             .expandedTo(QSize(controls.right() + 1 + ControlMargin,
                                               controls.bottom() + 1 + ControlMargin));
    QPoint outerTopLeft = window.geometry().topLeft() - QPoint(frame.left(), frame.top());
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        const QSize outerSize = client + frameSize;
        outerTopLeft = QPoint(available.x() + (available.width() - outerSize.width()) / 2,
                              available.y() + (available.height() - outerSize.height()) / 2);
    }
    return QRect(outerTopLeft + QPoint(frame.left(), frame.top()), client);
}

// Watches a window for the frame its window manager gives it, and for the
// manager's own placement, while the window is new. The frame is known once
// the manager has framed the window, which Qt learns without telling the
// widget; the window is exposed only after it, so an expose (or a move or
// resize of the native window) is where to look.
class FrameWatcher : public QObject {
  public:
    explicit FrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(FrameWatcherName);
        quiet_.setSingleShot(true);
        quiet_.setInterval(QuietBeforeCheckMs);
        connect(&quiet_, &QTimer::timeout, this, &FrameWatcher::checkPlacement);
    }

    // A new showing: size and place it, and watch it while it settles.
    void place(QSize outer) {
        outer_ = outer;
        shown_.start();
        corrections_ = 0;
        // The native window is made anew for each showing of a dialog.
        if (QWindow* native = window_.windowHandle()) native->installEventFilter(this);
        apply();
        quiet_.start();
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Expose && type != QEvent::Move && type != QEvent::Resize) return false;
        // A frame that comes late (a busy window manager) is still sized for.
        const bool framedLate = appliedFrame_.isNull();
        if (window_.isVisible() && (settling() || framedLate) && frameOf(window_) != appliedFrame_)
            apply();
        if (settling()) quiet_.start();
        return false;
    }

  private:
    // The client rectangle is set, not the frame's place: Qt's own idea of
    // the frame, which moving by the frame would rely on, can be stale.
    void apply() {
        appliedFrame_ = frameOf(window_);
        window_.setGeometry(clientRectFor(window_, outer_, appliedFrame_));
    }

    bool settling() const {
        return shown_.isValid() && shown_.elapsed() < SettlingPeriodMs &&
               corrections_ < MostCorrections;
    }

    void checkPlacement() {
        if (!settling() || !window_.isVisible()) return;
        const QMargins frame = frameOf(window_);
        if (frame == appliedFrame_ &&
            window_.geometry() == clientRectFor(window_, outer_, appliedFrame_))
            return;
        ++corrections_;
        apply();
    }

    QWidget& window_;
    QSize outer_;
    QMargins appliedFrame_;
    QTimer quiet_;
    QElapsedTimer shown_;
    int corrections_ = 0;
};

}  // namespace

void SizeAndCentreWindow(QWidget& window, QSize outer) {
    // Found by its name: the class has no meta-object of its own to cast by.
    auto* watcher = static_cast<FrameWatcher*>(
        window.findChild<QObject*>(FrameWatcherName, Qt::FindDirectChildrenOnly));
    if (!watcher) watcher = new FrameWatcher(window);
    watcher->place(outer);
}
