// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helper/helper_limits.h"

// The decode helper's confinement, entered once everything it loads from
// disk (Qt's plugins, fonts) is loaded: no address space beyond
// `MaxHelperAddressSpace`, no network, no program started, no file opened
// for writing, made, renamed or removed. A system call refused returns an
// error, so a library that tries (fontconfig writing its cache) carries on.
// Returns false, having done nothing it cannot undo, when the kernel offers
// no filter; the helper then refuses to work.
bool EnterHelperSandbox();
