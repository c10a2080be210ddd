// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/decoder_fuzzer.h"
#include "pictures/decoders/jpeg_decoder.h"

namespace {

// Every input at full size and scaled for a small screen area, as the
// screen surfaces and the preview decode it.
void decodeBothWays(const QByteArray& bytes) {
    try {
        DecodeJpeg(bytes);
    } catch (const SleevixError&) {
    }
    DecodeJpegToCover(bytes, QSize(61, 45));
}

}  // namespace

SLEEVIX_DECODER_FUZZER(decodeBothWays)
