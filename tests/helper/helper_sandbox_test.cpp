// SPDX-License-Identifier: GPL-3.0-or-later
// The decode helper's confinement, entered in a child of the test: what a
// decoder taken over by a hostile file could try is refused, what decoding
// needs (reading, threads) is not.

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "decode_process/helper_sandbox.h"

namespace {

// What the confined child found, one bit a finding; 0 when all is as it
// should be.
enum Finding {
    NoSandbox = 1,
    NetworkAllowed = 2,
    WritingAllowed = 4,
    ProgramStarted = 8,
    ReadingRefused = 16,
};

int confinedFindings(const QByteArray& toWrite, const QByteArray& toRead) {
    if (!EnterHelperSandbox()) return NoSandbox;
    int findings = 0;
    if (::socket(AF_INET, SOCK_STREAM, 0) >= 0) findings |= NetworkAllowed;
    if (::open(toWrite.constData(), O_WRONLY | O_CREAT, 0600) >= 0) findings |= WritingAllowed;
    char program[] = "/bin/true";
    char* arguments[] = {program, nullptr};
    ::execv(program, arguments);
    if (errno != EPERM) findings |= ProgramStarted;
    if (::open(toRead.constData(), O_RDONLY) < 0) findings |= ReadingRefused;
    std::thread([] {}).join();  // a thread it cannot start ends the child
    return findings;
}

}  // namespace

TEST(HelperSandbox, RefusesTheNetworkProgramsAndWritingButNotReadingOrThreads) {
    QTemporaryDir folder;
    const QByteArray toWrite = QFile::encodeName(folder.filePath("written"));
    const QByteArray toRead = QFile::encodeName(folder.filePath("readable"));
    QFile readable(folder.filePath("readable"));
    ASSERT_TRUE(readable.open(QIODevice::WriteOnly));
    readable.close();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) std::_Exit(confinedFindings(toWrite, toRead));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the confined child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(QFile::exists(folder.filePath("written")));
}
