#include "app/window_sizing.h"

#include <QScreen>
#include <QWidget>

namespace {
// Room kept right of and below the outermost control.
constexpr int ControlMargin = 2;
}  // namespace

void SizeAndCentreWindow(QWidget& window, QSize outer) {
    // The frame is known only once the desktop has framed the window; before
    // that it counts as zero and the client area gets the whole size.
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
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
