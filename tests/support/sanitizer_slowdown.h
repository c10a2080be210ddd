// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Code built with the address and undefined-behaviour sanitizers runs several
// times slower than the optimised build; time limits in tests scale by this.
#if defined(__SANITIZE_ADDRESS__)
constexpr int SanitizerSlowdown = 5;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int SanitizerSlowdown = 5;
#else
constexpr int SanitizerSlowdown = 1;
#endif
#else
constexpr int SanitizerSlowdown = 1;
#endif
