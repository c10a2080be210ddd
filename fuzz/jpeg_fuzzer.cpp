#include "fuzz/decoder_fuzzer.h"
#include "pictures/jpeg_decoder.h"

SLEEVIX_DECODER_FUZZER(DecodeJpeg)
