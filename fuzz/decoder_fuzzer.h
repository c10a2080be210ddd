#pragma once

// One libFuzzer target per decoder: the decoder must end every input in a
// picture or in its error, never in a crash, a hang or a leak.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QCoreApplication>

#include "app/error_box.h"

#define SLEEVIX_DECODER_FUZZER(decode)                                                     \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {                         \
        static QCoreApplication application(*argc, *argv);                                 \
        return 0;                                                                          \
    }                                                                                      \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {              \
        const QByteArray bytes =                                                           \
            QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)); \
        try {                                                                              \
            decode(bytes);                                                                 \
        } catch (const SleevixError&) {                                                    \
        }                                                                                  \
        return 0;                                                                          \
    }
