// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/colour_glyphs.h"

#include <cmath>
#include <limits>

#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

namespace {

// Every character a colour font may draw lies at or above this one (the
// punctuation block; emoji, their modifiers and joiners all lie above).
constexpr char16_t FirstColourCandidate = 0x2000;

bool mayUseColourFont(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= FirstColourCandidate) return true;
    return false;
}

// The tables of the three ways fonts carry colour glyphs: bitmaps (two
// kinds) and layered outlines.
bool isColourFont(const QRawFont& font) {
    for (const char* table : {"CBDT", "sbix", "COLR"})
        if (!font.fontTable(table).isEmpty()) return true;
    return false;
}

// One glyph as a picture of the device's pixels where it stands.
void drawGlyphAsPicture(QPainter& painter, const QGlyphRun& run, int index, QPointF origin) {
    QGlyphRun glyph = run;
    glyph.setGlyphIndexes({run.glyphIndexes().at(index)});
    glyph.setPositions({run.positions().at(index)});
    const QRectF bounds = glyph.boundingRect().translated(origin);
    if (bounds.isEmpty()) return;
    const double scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    const QSize pixels(int(std::ceil(bounds.width() * scale)),
                       int(std::ceil(bounds.height() * scale)));
    QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) return;
    picture.fill(Qt::transparent);
    QPainter onPicture(&picture);
    onPicture.setPen(painter.pen());
    onPicture.scale(scale, scale);
    onPicture.translate(-bounds.topLeft());
    onPicture.drawGlyphRun(origin, glyph);
    onPicture.end();
    painter.drawImage(bounds, picture);
}

}  // namespace

void DrawTextKeepingColourGlyphs(QPainter& painter, QPoint at, const QString& text) {
    if (painter.paintEngine()->type() == QPaintEngine::Raster || !mayUseColourFont(text))
        return painter.drawText(at, text);
    QTextLayout layout(text, painter.font(), painter.device());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(painter.layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(std::numeric_limits<int>::max() / 256);
    layout.endLayout();
    const QPointF origin(at.x(), at.y() - line.ascent());
    for (const QGlyphRun& run : line.glyphRuns()) {
        if (!isColourFont(run.rawFont())) {
            painter.drawGlyphRun(origin, run);
            continue;
        }
        for (int index = 0; index < run.glyphIndexes().size(); ++index)
            drawGlyphAsPicture(painter, run, index, origin);
    }
}
