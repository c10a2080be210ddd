// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/decoder_fuzzer.h"
#include "pictures/decoders/gif_decoder.h"

SLEEVIX_DECODER_FUZZER(DecodeGif)
