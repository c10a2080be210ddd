// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cover document: UTF-8 JSON, described for other tools in
// docs/cover-format.md.

#include <QByteArray>
#include <QDir>

#include "document/cover_document.h"

inline constexpr const char* CoverFormatName = "sleevix-cover";
inline constexpr int CoverFormatVersion = 1;

// The document's bytes. A picture inside `folder` (the document's own) is
// written relative to it, any other with its absolute path.
QByteArray CoverToJson(const CoverDocument& cover, const QDir& folder);

// The cover the bytes hold, relative picture paths taken from `folder`.
// Keys left out take the values of a new cover. Raises an error naming what
// is wrong when the bytes are not a cover this program can open: broken
// JSON, another format or version, a value of the wrong type, too many
// tracks, a NUL or invalid Unicode in a text.
CoverDocument CoverFromJson(const QByteArray& json, const QDir& folder);
