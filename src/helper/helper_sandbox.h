// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The decode helper's confinement, entered once everything it loads from
// disk (Qt's plugins, fonts) is loaded: no address space beyond
// `MaxHelperAddressSpace`, no network, no program started, no file opened
// for writing, made, renamed or removed. A system call refused returns an
// error, so a library that tries (fontconfig writing its cache) carries on.
// Returns false, having done nothing it cannot undo, when the kernel offers
// no filter; the helper then refuses to work.
inline constexpr long long MaxHelperAddressSpace = 3LL << 30;

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer reserves terabytes of address space for its shadow.
inline constexpr bool HelperAddressSpaceLimited = false;
#else
inline constexpr bool HelperAddressSpaceLimited = true;
#endif

// The limit in force: $SLEEVIX_DECODE_HELPER_MEMORY_MB, where set, makes it
// smaller (a machine with little memory; the tests of the limit itself).
inline long long HelperAddressSpaceLimit() {
    bool set = false;
    const long long megabytes =
        qEnvironmentVariableIntValue("SLEEVIX_DECODE_HELPER_MEMORY_MB", &set);
    if (set && megabytes > 0 && megabytes < (MaxHelperAddressSpace >> 20)) return megabytes << 20;
    return MaxHelperAddressSpace;
}

bool EnterHelperSandbox();
