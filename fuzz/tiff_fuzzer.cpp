// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/decoder_fuzzer.h"
#include "pictures/decoders/qt_image_decoders.h"

SLEEVIX_DECODER_FUZZER(DecodeTiff)
