// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QByteArray>
#include <QSize>

// Icons drawn by hand are at most 256 pixels a side; an entry far larger is
// no icon, and decoding it would cost more than a picture dialog can wait.
inline constexpr int MaxIconSide = 2048;

struct IconEntryChoice {
    int index;
    QSize size;
};

// The entry of an icon file to show: the largest (the first of equal ones)
// within MaxIconSide, its size read from the directory and the entry's own
// header without decoding any pixels. Nothing when the file has no
// directory or no entry it can point at.
std::optional<IconEntryChoice> ChooseIconEntry(const QByteArray& data);

// The largest entry of any size, to name in an error; an empty size when
// there is none.
QSize LargestIconEntry(const QByteArray& data);
