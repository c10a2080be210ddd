// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One libFuzzer target per decoder: the decoder must end every input in a
// picture or in its error, never in a crash, a hang or a leak.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>

#include "base/sleevix_error.h"

// For targets that draw or read fonts: a GUI application on the off-screen
// platform, with Qt's own messages (missing fonts, every flaw of a drawing)
// silenced so that the log keeps the fuzzer's findings.
inline void StartQuietGuiApplication(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication application(*argc, *argv);
}

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
