// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readable failure messages for the Qt values the tests compare.

#include <ostream>

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts) *out << " \"" << text.toStdString() << '"';
    *out << " }";
}
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* out) {
    *out << s.width() << " x " << s.height();
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << '(' << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}
