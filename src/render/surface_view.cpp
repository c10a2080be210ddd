// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/surface_view.h"

#include <QPainter>

#include "render/canvas.h"

SurfaceView::SurfaceView(Canvas& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setFixedSize(surface.width(), surface.height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.setDisplayScale(devicePixelRatioF());
    surface_.setChangeListener([this] {
        update();
        emit drawn();
    });
}

void SurfaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), surface_.displayImage());
}
