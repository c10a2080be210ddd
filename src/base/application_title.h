// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/release_identity.h"

// The program's title: window caption, error box caption and the prefix of
// the other windows' captions.
inline constexpr const char* ApplicationTitle = "Sleevix v" SLEEVIX_VERSION;
// As "--version" gives it.
inline constexpr const char* ApplicationVersion = SLEEVIX_VERSION;
// The desktop entry's name without ".desktop", and the icons' name.
inline constexpr const char* ApplicationId = SLEEVIX_APP_ID;
// Where users write to, as the about box shows it.
inline constexpr const char* MaintainerAddress = SLEEVIX_MAINTAINER_ADDRESS;
