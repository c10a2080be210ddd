// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Eight-bit text of a metafile (every WMF string, EMF's ExtTextOutA) in the
// code page of the selected font's character set: curly quotes, dashes and
// the euro sign in Western text, Cyrillic, Greek, CJK double-byte text.
// The symbol character set keeps its bytes as they are, for the symbol
// typeface's own glyphs.
QString DecodeCodePageText(const QByteArray& bytes, int charSet);
