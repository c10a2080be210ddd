// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/track_list_fuzzer.h"

SLEEVIX_TRACK_LIST_FUZZER("txt")
