// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The address space the decode helper may take, known to the helper's
// sandbox and to the program, which tells a helper that ran out of it from
// one that crashed.
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
