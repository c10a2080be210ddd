// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int IconSize = 16;  // design grid of every picture

void drawLines(QPainter& painter, bool centred) {
    painter.setPen(QPen(QColor(0, 0, 128), 1.6, Qt::SolidLine, Qt::FlatCap));
    const int lengths[] = {12, 8, 11, 6};
    for (int row = 0; row < 4; ++row) {
        const double y = 3.5 + row * 3;
        const double left = centred ? (IconSize - lengths[row]) / 2.0 : 2;
        painter.drawLine(QPointF(left, y), QPointF(left + lengths[row], y));
    }
}

void drawPicture(QPainter& painter, ToolbarPicture picture) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(40, 40, 40), 1);
    switch (picture) {
        case ToolbarPicture::EditTracks: {
            painter.setPen(outline);
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(2.5, 1.5, 10, 13));
            painter.setPen(QPen(QColor(0, 0, 160), 1));
            for (int row = 0; row < 4; ++row)
                painter.drawLine(QPointF(4.5, 4.5 + 2.5 * row), QPointF(10.5, 4.5 + 2.5 * row));
            painter.setPen(QPen(QColor(200, 120, 0), 2.2, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(8, 14), QPointF(14.5, 6.5));
            break;
        }
        case ToolbarPicture::FontTypeColor: {
            QFont font(QStringLiteral("serif"));
            font.setPixelSize(13);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(QColor(170, 0, 0));
            painter.drawText(QRectF(0, -1, IconSize, 13), Qt::AlignCenter, QStringLiteral("A"));
            painter.fillRect(QRectF(2, 12.5, 4, 2.5), QColor(220, 0, 0));
            painter.fillRect(QRectF(6, 12.5, 4, 2.5), QColor(0, 160, 0));
            painter.fillRect(QRectF(10, 12.5, 4, 2.5), QColor(0, 0, 220));
            break;
        }
        case ToolbarPicture::Left:
            drawLines(painter, false);
            break;
        case ToolbarPicture::Center:
            drawLines(painter, true);
            break;
        case ToolbarPicture::Image: {
            painter.setPen(outline);
            painter.setBrush(QColor(150, 200, 255));
            painter.drawRect(QRectF(1.5, 2.5, 13, 11));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 210, 0));
            painter.drawEllipse(QPointF(11, 6), 1.8, 1.8);
            painter.setBrush(QColor(40, 150, 40));
            QPainterPath hills;
            hills.moveTo(2, 13);
            hills.lineTo(6, 7);
            hills.lineTo(9, 11);
            hills.lineTo(11, 9);
            hills.lineTo(14, 13);
            hills.closeSubpath();
            painter.drawPath(hills);
            break;
        }
        case ToolbarPicture::Print: {
            painter.setPen(outline);
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(4.5, 1.5, 7, 5));
            painter.setBrush(QColor(170, 170, 170));
            painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(4.5, 10.5, 7, 4));
            painter.setPen(QColor(0, 170, 0));
            painter.drawPoint(QPointF(12.5, 8.5));
            break;
        }
        case ToolbarPicture::Close: {
            painter.setPen(outline);
            painter.setBrush(QColor(150, 90, 40));
            painter.drawRect(QRectF(3.5, 1.5, 8, 13));
            painter.setBrush(QColor(255, 220, 0));
            painter.drawEllipse(QPointF(9.5, 8.5), 0.9, 0.9);
            painter.setPen(QPen(QColor(200, 0, 0), 1.6));
            painter.drawLine(QPointF(11, 8), QPointF(15, 8));
            painter.drawLine(QPointF(13, 6), QPointF(15, 8));
            painter.drawLine(QPointF(13, 10), QPointF(15, 8));
            break;
        }
        case ToolbarPicture::About: {
            painter.setPen(outline);
            painter.setBrush(QColor(30, 90, 200));
            painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(8, 4.8), 1.2, 1.2);
            painter.drawRect(QRectF(7, 7, 2, 5.5));
            break;
        }
    }
}

QPixmap renderPicture(ToolbarPicture picture, int scale) {
    QPixmap pixmap(IconSize * scale, IconSize * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(scale, scale);
    drawPicture(painter, picture);
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

// Grey, lighter and flatter than the normal look.
QPixmap greyed(const QPixmap& normal) {
    QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 3);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(normal.devicePixelRatio());
    return result;
}

}  // namespace

QIcon ToolbarIcon(ToolbarPicture picture) {
    QIcon icon;
    for (int scale : {1, 2}) {
        const QPixmap normal = renderPicture(picture, scale);
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(greyed(normal), QIcon::Disabled);
    }
    return icon;
}
