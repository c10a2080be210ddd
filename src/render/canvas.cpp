// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/canvas.h"

#include "render/picture_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStringList>

#include "pictures/picture_bitmap.h"
#include "render/colour_glyphs.h"
#include "render/measured_font.h"
#include "render/shown_text.h"

namespace {

constexpr int PointsPerInch = 72;
// More than a render draws on one surface (41 track lines and the fronts).
constexpr std::size_t MaxRememberedTexts = 128;

}  // namespace

Canvas::Canvas(int width, int height)
    : image_(width, height, QImage::Format_RGB32), size_(width, height) {
    image_.setDotsPerMeterX(ScreenDotsPerMetre);
    image_.setDotsPerMeterY(ScreenDotsPerMetre);
    image_.fill(Qt::white);
}

Canvas::Canvas(QPainter& painter, QSize size, int fontUnitsPerInch)
    : externalPainter_(&painter), size_(size), fontUnitsPerInch_(fontUnitsPerInch) {}

template <typename Draw>
void Canvas::paint(Draw&& draw) {
    if (externalPainter_) {
        externalPainter_->save();
        draw(*externalPainter_);
        externalPainter_->restore();
    } else {
        QPainter painter(&image_);
        draw(painter);
        if (!display_.isNull()) {
            QPainter sharp(&display_);  // the image's pixel ratio scales it
            draw(sharp);
        }
    }
    notifyChanged();
}

void Canvas::setDisplayScale(qreal scale) {
    if (externalPainter_ || scale <= 1) {
        display_ = QImage();
        return;
    }
    display_ = image_.scaled(image_.size() * scale);
    display_.setDevicePixelRatio(scale);
}

void Canvas::notifyChanged() {
    if (changed_) changed_();
}

int Canvas::characterHeight(int points) const {
    const double units = double(points) * fontUnitsPerInch_ / PointsPerInch;
    return std::max(1, int(std::lround(units)));
}

namespace {

// Emoji take the colour emoji face before any other font that has them
// (DejaVu Sans and Noto Sans Symbols2 draw some as black outlines): it comes
// right after the typeface the name resolves to, which keeps every
// character it has itself.
const QString ColourEmojiFamily = QStringLiteral("Noto Color Emoji");

QStringList familiesFor(const QString& name) {
    static QHash<QString, QStringList> resolved;
    auto found = resolved.find(name);
    if (found == resolved.end())
        found = resolved.insert(name, {QFontInfo(QFont(name)).family(), ColourEmojiFamily});
    return *found;
}

}  // namespace

QFont Canvas::qtFont() const {
    QFont qfont(font.name);
    qfont.setFamilies(familiesFor(font.name));
    qfont.setPixelSize(characterHeight(font.size));
    return qfont;
}

void Canvas::fillSurface() {
    if (brushStyle == BrushStyle::Solid) clear();
}

void Canvas::clear() {
    drawnTexts_.clear();
    paint([&](QPainter& painter) { painter.fillRect(QRect(QPoint(0, 0), size_), Qt::white); });
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const QRect area = RectFromCorners(left, top, right, bottom);
    if (area.isEmpty()) return;
    forgetTextsUnder(area);
    paint([&](QPainter& painter) {
        if (brushStyle == BrushStyle::Solid) painter.fillRect(area, Qt::white);
        // The border lies inside the rectangle, one pen width thick.
        const int border = std::max(1, pen.width);
        const int across = std::min(border, area.width());
        const int down = std::min(border, area.height());
        painter.fillRect(QRect(left, top, area.width(), down), pen.color);
        painter.fillRect(QRect(left, bottom - down, area.width(), down), pen.color);
        painter.fillRect(QRect(left, top, across, area.height()), pen.color);
        painter.fillRect(QRect(right - across, top, across, area.height()), pen.color);
    });
}

void Canvas::moveTo(int x, int y) {
    penPosition_ = QPoint(x, y);
}

void Canvas::lineTo(int x, int y) {
    const QPoint from = penPosition_;
    const QPoint to(x, y);
    penPosition_ = to;
    if (from == to) return;
    if (!externalPainter_ && pen.width <= 1) {
        drawRasterLine(from, to);
        if (!display_.isNull()) {
            // The same pixels, each a block of device pixels.
            QPainter sharp(&display_);
            drawRasterLineOn(sharp, from, to);
        }
        notifyChanged();
        return;
    }
    paint([&](QPainter& painter) {
        QPen qpen(pen.color, std::max(1, pen.width), Qt::SolidLine, Qt::FlatCap);
        painter.setPen(qpen);
        painter.drawLine(from, to);
    });
}

// Bresenham, so that exactly the pixels from `from` up to but not including
// `to` are set: the outline pixel lists depend on it.
template <typename SetPixel>
static void walkLine(QPoint from, QPoint to, SetPixel&& set) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        set(x, y);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void Canvas::drawRasterLine(QPoint from, QPoint to) {
    const QRgb colour = pen.color.rgb();
    walkLine(from, to, [&](int x, int y) {
        if (image_.rect().contains(x, y)) image_.setPixel(x, y, colour);
    });
}

void Canvas::drawRasterLineOn(QPainter& painter, QPoint from, QPoint to) {
    walkLine(from, to, [&](int x, int y) { painter.fillRect(QRect(x, y, 1, 1), pen.color); });
}

void Canvas::textOut(int x, int y, const QString& whole, Paragraph paragraph) {
    const QString text = ShownText(whole);
    const QRect cell(0, 0, textWidth(text), textHeight(text));
    DrawnText drawn;
    // Qt turns clockwise for positive angles on a y-down surface.
    drawn.place = QTransform::fromTranslate(x, y).rotate(-font.escapement / 10.0);
    drawn.text = text;
    drawn.font = qtFont();
    drawn.colour = font.color;
    drawn.ascent = measured().metrics().ascent();
    drawn.paragraph = paragraph;
    drawn.inkBounds =
        drawn.place.mapRect(QRectF(measured().inkBounds(text).translated(0, drawn.ascent)));
    const QRectF cellBounds = drawn.place.mapRect(QRectF(cell));
    const bool fillsCell = brushStyle == BrushStyle::Solid;
    paint([&](QPainter& painter) {
        if (fillsCell) {
            painter.save();
            const QTransform base = painter.worldTransform();
            painter.setWorldTransform(drawn.place, true);
            painter.fillRect(cell, Qt::white);
            painter.setClipRect(cell);
            for (const DrawnText& earlier : drawnTexts_) {
                if (!earlier.inkBounds.intersects(cellBounds)) continue;
                painter.setWorldTransform(base);
                drawText(painter, earlier);
            }
            painter.restore();
        }
        drawText(painter, drawn);
    });
    if (drawnTexts_.size() >= MaxRememberedTexts) drawnTexts_.erase(drawnTexts_.begin());
    drawnTexts_.push_back(std::move(drawn));
}

void Canvas::drawText(QPainter& painter, const DrawnText& drawn) {
    painter.save();
    painter.setWorldTransform(drawn.place, true);
    painter.setLayoutDirection(drawn.paragraph == Paragraph::LeftToRight ? Qt::LeftToRight
                                                                         : Qt::LayoutDirectionAuto);
    painter.setFont(drawn.font);
    painter.setPen(drawn.colour);
    DrawTextKeepingColourGlyphs(painter, QPoint(0, drawn.ascent), drawn.text);
    painter.restore();
}

void Canvas::forgetTextsUnder(const QRectF& area) {
    drawnTexts_.erase(
        std::remove_if(drawnTexts_.begin(), drawnTexts_.end(),
                       [&](const DrawnText& drawn) { return drawn.inkBounds.intersects(area); }),
        drawnTexts_.end());
}

MeasuredFont& Canvas::measured() const {
    if (!measured_ || measuredName_ != font.name || measuredSize_ != font.size) {
        const QFont qfont = qtFont();
        measured_ = externalPainter_ ? std::make_shared<MeasuredFont>(QFontMetrics(qfont))
                                     : ScreenFont(qfont);
        measuredName_ = font.name;
        measuredSize_ = font.size;
    }
    return *measured_;
}

int Canvas::textWidth(const QString& text) const {
    return measured().width(ShownText(text));
}

int Canvas::textHeight(const QString&) const {
    return measured().metrics().height();
}

void Canvas::stretchDraw(const QRect& target, const QImage& picture) {
    if (picture.isNull() || target.isEmpty()) return;
    forgetTextsUnder(target);
    paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
    });
}

void Canvas::copyRect(const QRect& target, const Canvas& source, const QRect& sourceRect) {
    if (source.image().isNull() || target.isEmpty() || sourceRect.isEmpty()) return;
    forgetTextsUnder(target);
    paint([&](QPainter& painter) {
        // From the source's raster of the same density as the one drawn on.
        const QImage& from = painter.device() == &image_ ? source.image() : source.displayImage();
        const qreal ratio = from.devicePixelRatio();
        painter.drawImage(QRectF(target), from,
                          QRectF(sourceRect.x() * ratio, sourceRect.y() * ratio,
                                 sourceRect.width() * ratio, sourceRect.height() * ratio));
    });
}

void Canvas::drawFramedPicture(const QRect& target, const QRectF& area, QSizeF areaMm,
                               const PictureBitmap& picture, const PictureFrame& frame) {
    // Stretched as every cover before framing, over what is drawn on.
    if (IsPlainStretch(frame)) return drawPicture(target, picture);
    const QImage& pixels = picture.pixels();
    if (pixels.isNull() || target.isEmpty()) return;
    const QImage opaque =
        pixels.hasAlphaChannel() ? pixels.convertToFormat(QImage::Format_RGB32) : pixels;
    forgetTextsUnder(target);
    paint([&](QPainter& painter) {
        painter.setClipRect(target, Qt::IntersectClip);
        painter.fillRect(target, frame.background);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // A drawing may have been drawn at the area's pixels: its own size
        // keeps its aspect.
        const QSizeF natural(picture.width(), picture.height());
        painter.setTransform(FramedPicturePlace(natural, area, areaMm, frame), true);
        painter.drawImage(QRectF(QPointF(), natural), opaque);
    });
}

void Canvas::drawPicture(const QRect& target, const PictureBitmap& picture) {
    const QImage& pixels = picture.pixels();
    if (pixels.isNull()) return;
    if (pixels.hasAlphaChannel())
        stretchDraw(target, pixels.convertToFormat(QImage::Format_RGB32));
    else
        stretchDraw(target, pixels);
}
