// SPDX-License-Identifier: GPL-3.0-or-later
// The messages between the program and its decode helper, as each side
// decodes what the other sent: a job as the helper reads it, and a reply
// (with a descriptor of shared memory holding the input's tail as pixels)
// as the program reads it. A helper taken over by a hostile file must not
// be able to take the program with it.

#include <cstddef>
#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>

#include "fuzz/decoder_fuzzer.h"
#include "helper/helper_messages.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartQuietGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    DecodeJob(bytes);

    ChannelMessage message;
    message.body = bytes;
    UniqueFd memory(::memfd_create("fuzz-pixels", MFD_CLOEXEC));
    const QByteArray tail = bytes.right(bytes.size() / 2);
    if (memory.valid() && ::write(memory.get(), tail.constData(), size_t(tail.size())) >= 0)
        message.fds.push_back(std::move(memory));
    if (const std::optional<HelperReply> reply = DecodeReply(message))
        if (!reply->pixels.isNull()) (void)reply->pixels.copy();  // every pixel readable
    return 0;
}
