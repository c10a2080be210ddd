// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's title: window caption, error box caption and the prefix of
// the other windows' captions.
inline constexpr const char* ApplicationTitle = "Sleevix v2.0";
// As "--version" gives it.
inline constexpr const char* ApplicationVersion = "2.0";
