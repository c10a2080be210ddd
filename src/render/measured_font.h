// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QRect>
#include <QString>

// QImage's dots-per-metre for the screen's 96 pixels per inch (96 / 0.0254).
inline constexpr int ScreenDotsPerMetre = 3780;

// A font's metrics with the widths already measured in it. Every re-render
// measures the same lines again (the fits, the centring, the text cells), and
// shaping a line is the costliest step of a render.
class MeasuredFont {
  public:
    explicit MeasuredFont(const QFontMetrics& metrics) : metrics_(metrics) {}
    int width(const QString& text);
    // The rectangle the text's glyphs ink, from the left end of its baseline.
    QRect inkBounds(const QString& text);
    const QFontMetrics& metrics() const { return metrics_; }

  private:
    QFontMetrics metrics_;
    QHash<QString, int> widths_;
    QHash<QString, QRect> inkBounds_;
};

// The measured font for a screen surface (96 pixels per inch), shared by all
// of them. Holding each size also keeps Qt's font engine for it alive, so the
// fits do not load the same sizes from disk on every render.
std::shared_ptr<MeasuredFont> ScreenFont(const QFont& font);
