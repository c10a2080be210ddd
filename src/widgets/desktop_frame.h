// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

// The frame the desktop puts around a top-level window, as the window
// manager declares it, or nothing while the window is not framed yet.
//
// Qt's own idea of the frame (QWidget::frameGeometry) is cached and can be
// stale or half-known for a while after the window manager has framed the
// window, so under X this reads the manager's _NET_FRAME_EXTENTS itself.
// Elsewhere Qt's margins are all there is.
std::optional<QMargins> DesktopFrameOf(const QWidget& window);
