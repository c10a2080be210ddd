// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One drawing vocabulary for the screen surfaces and the printed page, so the
// layout code reads the same in both places. A canvas keeps its font, pen and
// brush between uses, like the surfaces of the cover do between renders.

#include <functional>
#include <memory>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTransform>

class MeasuredFont;
struct PictureFrame;
class PictureBitmap;
class QPainter;

// The brush colour is always white; only its style changes.
enum class BrushStyle : unsigned char { Solid = 0, Clear = 1 };

struct CanvasFont {
    QString name = QStringLiteral("arial");
    int size = 8;  // points
    QColor color = QColor(Qt::black);
    int escapement = 0;  // tenths of a degree, counter-clockwise as the eye sees
};

struct CanvasPen {
    QColor color = QColor(Qt::black);
    int width = 1;  // in the canvas's units
};

// The reading order of a text's line: natural takes it from the first strong
// letter (a Hebrew title reads from the right); left to right keeps what
// comes first at the left, as a track number must be, while each run of
// letters still reads in its own direction.
enum class Paragraph : unsigned char { Natural, LeftToRight };

// A rectangle given by its corners, right and bottom exclusive.
inline QRect RectFromCorners(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

class Canvas {
  public:
    static constexpr int ScreenPixelsPerInch = 96;

    // A screen surface: its own white raster at 96 pixels per inch.
    Canvas(int width, int height);
    // Draws through a painter owned elsewhere (the printer), in the painter's
    // current coordinates. A font of S points is a character height of
    // round(S x fontUnitsPerInch / 72) of those units.
    Canvas(QPainter& painter, QSize size, int fontUnitsPerInch);

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CanvasFont font;
    CanvasPen pen;
    BrushStyle brushStyle = BrushStyle::Solid;

    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    // The raster of a screen surface; a null image for a painter canvas.
    const QImage& image() const { return image_; }

    // On a high-density screen the surface also keeps a sharper raster of
    // `scale` device pixels per pixel, drawn by the same operations, so the
    // window shows crisp text and pictures rather than a magnified raster.
    void setDisplayScale(qreal scale);
    // The raster to show: the sharper one when there is one.
    const QImage& displayImage() const { return display_.isNull() ? image_ : display_; }

    // Fills the whole surface with the brush (nothing when it is clear).
    void fillSurface();
    // Makes the whole surface white, whatever the brush.
    void clear();
    // Border in the pen, inside in the brush; corners as RectFromCorners.
    void rectangle(int left, int top, int right, int bottom);
    void moveTo(int x, int y);
    // Draws from the current position up to, not including, (x, y); the next
    // line continues from (x, y).
    void lineTo(int x, int y);
    // (x, y) is the top-left corner of the text cell in its reading direction;
    // a rotated font turns the cell about that corner. A solid brush fills
    // the cell white first, without erasing the ink of earlier texts (a
    // font's descenders can reach below its cell into the next line's).
    void textOut(int x, int y, const QString& text, Paragraph paragraph = Paragraph::Natural);
    int textWidth(const QString& text) const;
    // The height of one line in the current font; the same for every string,
    // the empty one included, so an empty track line takes a full line.
    int textHeight(const QString& text) const;
    void stretchDraw(const QRect& target, const QImage& picture);
    // A picture read from a file, stretched opaque over the target (a
    // transparent part shows its colour); a null picture draws nothing.
    void drawPicture(const QRect& target, const PictureBitmap& picture);
    // The same as framed: `area` (in the canvas's units, measuring `areaMm`
    // on paper) is what the frame fills or fits, `target` what is drawn on,
    // which a print shop's bleed makes larger than the area.
    void drawFramedPicture(const QRect& target, const QRectF& area, QSizeF areaMm,
                           const PictureBitmap& picture, const PictureFrame& frame);
    void copyRect(const QRect& target, const Canvas& source, const QRect& sourceRect);

    // Character height in canvas units of a font of the given size in points.
    int characterHeight(int points) const;
    // The current font as Qt draws it (unrotated).
    QFont qtFont() const;

    // Called after every drawing operation, so a view can repaint.
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

  private:
    // A text drawn since the surface was last painted over, kept so that a
    // later text's cell can put back the ink it would erase.
    struct DrawnText {
        QTransform place;  // from the text cell to the canvas
        QString text;
        QFont font;
        QColor colour;
        int ascent;
        Paragraph paragraph;
        QRectF inkBounds;  // in canvas coordinates
    };
    static void drawText(QPainter& painter, const DrawnText& drawn);
    // Forgets the texts whose ink lies partly inside `area`, now painted over.
    void forgetTextsUnder(const QRectF& area);

    // Runs a drawing step on every raster the canvas has (or on the
    // external painter), in the canvas's own coordinates.
    template <typename Draw>
    void paint(Draw&& draw);
    void drawRasterLine(QPoint from, QPoint to);
    void drawRasterLineOn(QPainter& painter, QPoint from, QPoint to);
    // The current font, measured; the fits measure many times per size.
    MeasuredFont& measured() const;
    void notifyChanged();

    QImage image_;
    QImage display_;  // null unless the screen is denser than the surface
    QPainter* externalPainter_ = nullptr;
    QSize size_;
    int fontUnitsPerInch_ = ScreenPixelsPerInch;
    QPoint penPosition_;
    std::function<void()> changed_;
    std::vector<DrawnText> drawnTexts_;
    mutable std::shared_ptr<MeasuredFont> measured_;
    mutable QString measuredName_;
    mutable int measuredSize_ = 0;
};
