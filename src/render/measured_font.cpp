// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/measured_font.h"

#include <map>
#include <utility>

#include <QImage>

namespace {
// Bounds on what is remembered; a full memo simply starts again.
constexpr qsizetype MaxRememberedWidths = 4096;
constexpr std::size_t MaxScreenFonts = 512;
}  // namespace

int MeasuredFont::width(const QString& text) {
    const auto found = widths_.constFind(text);
    if (found != widths_.constEnd()) return *found;
    if (widths_.size() >= MaxRememberedWidths) widths_.clear();
    const int measured = metrics_.horizontalAdvance(text);
    widths_.insert(text, measured);
    return measured;
}

QRect MeasuredFont::inkBounds(const QString& text) {
    const auto found = inkBounds_.constFind(text);
    if (found != inkBounds_.constEnd()) return *found;
    if (inkBounds_.size() >= MaxRememberedWidths) inkBounds_.clear();
    const QRect measured = metrics_.boundingRect(text);
    inkBounds_.insert(text, measured);
    return measured;
}

std::shared_ptr<MeasuredFont> ScreenFont(const QFont& font) {
    static std::map<std::pair<QString, int>, std::shared_ptr<MeasuredFont>> fonts;
    const std::pair<QString, int> key(font.family(), font.pixelSize());
    const auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    if (fonts.size() >= MaxScreenFonts) fonts.clear();
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(ScreenDotsPerMetre);
    screen.setDotsPerMeterY(ScreenDotsPerMetre);
    auto measured = std::make_shared<MeasuredFont>(QFontMetrics(font, &screen));
    fonts.emplace(key, measured);
    return measured;
}
