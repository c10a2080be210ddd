// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/case_view.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>

#include "cases/case_shapes.h"
#include "render/case_image.h"

namespace {
constexpr int ViewMargin = 8;  // pixels of the page's background around the piece
}

CaseView::CaseView(QWidget* parent, std::function<CoverValue()> cover)
    : QWidget(parent), cover_(std::move(cover)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QCoreApplication::translate("Cases", "Cover"));
}

void CaseView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const CoverValue cover = cover_();
    const QSizeF piece = ShapeOf(cover.kind).size;
    const QSizeF room = QSizeF(size()) - QSizeF(2 * ViewMargin, 2 * ViewMargin);
    const double pixelsPerMm =
        std::max(0.1, std::min(room.width() / piece.width(), room.height() / piece.height()));
    QImage image = CaseImageAt(cover, pixelsPerMm * devicePixelRatioF());
    image.setDevicePixelRatio(devicePixelRatioF());
    const QSizeF shown = image.deviceIndependentSize();
    painter.drawImage(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                      image);
}
