// SPDX-License-Identifier: GPL-3.0-or-later
// The decode helper: started by the program with its socket at descriptor
// 3, it loads what it needs from disk, confines itself, says "ready", and
// then does one job after another until the program closes the socket. It
// ends with the program.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "decode_process/helper_jobs.h"
#include "decode_process/helper_sandbox.h"
#include "helper/helper_channel.h"
#include "helper/helper_messages.h"
#include "pictures/decoders/picture_limits.h"

namespace {

constexpr int ProgramSocket = 3;

// The program speaks for the helper: Qt's notes about its surroundings
// would break the command line's promise of one line or none.
void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    NoteHelperMessage(message);
}

// What the jobs load from disk lazily, loaded while the helper still may:
// the platform's fonts and Qt's image plugins.
void loadWhatJobsNeed() {
    QFontDatabase::families();
    QImageReader::supportedImageFormats();
    QImage sample(8, 8, QImage::Format_RGB32);
    QPainter painter(&sample);
    painter.drawText(0, 8, QStringLiteral("Ag"));
}

// Libraries write their notes to standard error themselves (libtiff names
// the file "foo"); the program says what a user needs to know. Only a
// build with sanitizers keeps the helper's, for their reports.
void silenceStandardError() {
#if !defined(__SANITIZE_ADDRESS__)
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0) return;
    ::dup2(nowhere, STDERR_FILENO);
    ::close(nowhere);
#endif
}

// Between jobs the helper sees the program go by its socket's end; during
// one (an endless decode) a watch looks for the program now and then. The
// kernel's own "parent gone" signal is no use: it follows the thread that
// started the helper, and the program starts it from threads that end.
constexpr auto ProgramWatchInterval = std::chrono::milliseconds(200);

void watchTheProgram(pid_t program) {
    std::thread([program] {
        for (;;) {
            std::this_thread::sleep_for(ProgramWatchInterval);
            if (getppid() != program) std::_Exit(0);
        }
    }).detach();
}

void send(const HelperReply& reply) {
    std::vector<UniqueFd> fds;
    QByteArray body;
    try {
        body = EncodeReply(reply, fds);
    } catch (const std::bad_alloc&) {
        HelperReply outOfMemory;
        outOfMemory.status = HelperStatus::OutOfMemory;
        fds.clear();
        body = EncodeReply(outOfMemory, fds);
    }
    std::vector<int> raw;
    for (const UniqueFd& fd : fds) raw.push_back(fd.get());
    if (!SendMessage(ProgramSocket, body, raw)) std::_Exit(0);  // the program has gone
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::atol(argv[1]) != long(getppid())) return 1;
    watchTheProgram(getppid());
    std::signal(SIGPIPE, SIG_IGN);
    qInstallMessageHandler(keepMessage);
    QGuiApplication application(argc, argv);
    UsePictureAllocator(AllocateSharedPicture);
    loadWhatJobsNeed();
    silenceStandardError();
    if (!EnterHelperSandbox()) return 1;
    if (!SendMessage(ProgramSocket, QByteArrayLiteral("ready"))) return 0;

    for (;;) {
        // The program has gone: nothing to clean up, nothing to check at exit
        // (a leak check would need system calls the sandbox refuses).
        ChannelMessage message;
        if (!ReceiveMessage(ProgramSocket, message)) std::_Exit(0);
        const std::optional<HelperJob> job = DecodeJob(message.body);
        if (!job) std::_Exit(1);
        send(RunHelperJob(*job, message.fds, send));
    }
}
