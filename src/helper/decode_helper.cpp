// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper/decode_helper.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/input_file.h"
#include "helper/helper_limits.h"

extern char** environ;

namespace {

constexpr char HelperName[] = "sleevix-decode";
// The descriptor the helper finds its socket at.
constexpr int HelperSocketFd = 3;
// How often a running job's processor time is looked at.
constexpr int DeadlineCheckMs = 20;
// A helper that is ready within this much of the clock has started; the
// slowest start seen, on a loaded machine with sanitizers, took 6 s.
constexpr int StartWaitMs = 120'000;
// A job that takes no processor time (waiting on something that never
// comes) is ended after its deadline times this on the clock.
constexpr int ClockDeadlineFactor = 30;
constexpr double SmallestClockDeadlineSeconds = 30.0;
#if defined(__SANITIZE_ADDRESS__)
// The sanitizers make every decode several times slower.
constexpr double DeadlineScale = 6.0;
#else
constexpr double DeadlineScale = 1.0;
#endif

// Seconds of processor time the process has taken, every thread counted.
double cpuSeconds(pid_t pid) {
    clockid_t clock;
    timespec spent{};
    if (clock_getcpuclockid(pid, &clock) == 0 && clock_gettime(clock, &spent) == 0)
        return double(spent.tv_sec) + double(spent.tv_nsec) / 1e9;
    return 0.0;
}

// The address space the process holds, in bytes; 0 when unknown.
long long addressSpace(pid_t pid) {
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    return statm.readLine().split(' ').value(0).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

// A helper that ended by a signal near its memory limit ran out of memory:
// the allocator of some libraries aborts instead of reporting it.
constexpr double NearTheLimit = 0.9;

// The environment the helper runs in: the program's, with no display.
std::vector<QByteArray> helperEnvironment() {
    std::vector<QByteArray> variables;
    for (char** variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) == 0) continue;
        variables.emplace_back(*variable);
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    return variables;
}

bool executable(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

}  // namespace

ReaderStopped::ReaderStopped(const QString& fileName, ReaderStop how)
    : SleevixError([&] {
          const char* why = how == ReaderStop::Crashed       ? QT_TRANSLATE_NOOP("DecodeHelper", "crashed")
                            : how == ReaderStop::TookTooLong ? QT_TRANSLATE_NOOP("DecodeHelper", "took too long")
                                                             : QT_TRANSLATE_NOOP("DecodeHelper", "needed too much memory");
          return QCoreApplication::translate("DecodeHelper",
                                             "%1 could not be read: the reader stopped (%2)")
              .arg(QuotedFileName(fileName), QCoreApplication::translate("DecodeHelper", why));
      }()),
      how_(how) {}

QString DecodeHelperPath() {
    const QString chosen = qEnvironmentVariable("SLEEVIX_DECODE_HELPER");
    if (!chosen.isEmpty()) return chosen;
    const QString name = QString::fromLatin1(HelperName);
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    if (executable(beside)) return beside;
    return programDir.filePath(QStringLiteral(SLEEVIX_HELPER_FROM_BINDIR "/") + name);
}

DecodeHelper::DecodeHelper() = default;

DecodeHelper::~DecodeHelper() {
    end();
}

DecodeHelper& ProgramDecodeHelper() {
    static DecodeHelper helper;
    return helper;
}

void DecodeHelper::start() {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
    UniqueFd ours(ends[0]);
    UniqueFd theirs(ends[1]);
    if (theirs.get() == HelperSocketFd)  // dup2 onto itself would keep close-on-exec
        theirs = UniqueFd(::fcntl(theirs.get(), F_DUPFD_CLOEXEC, HelperSocketFd + 1));

    const QByteArray path = QFile::encodeName(DecodeHelperPath());
    const QByteArray parent = QByteArray::number(::getpid());
    char* arguments[] = {const_cast<char*>(HelperName), const_cast<char*>(parent.constData()),
                         nullptr};
    std::vector<QByteArray> environment = helperEnvironment();
    std::vector<char*> variables;
    for (QByteArray& variable : environment) variables.push_back(variable.data());
    variables.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, theirs.get(), HelperSocketFd);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, path.constData(), &actions, nullptr, arguments,
                                   variables.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw SleevixError(
            QCoreApplication::translate("DecodeHelper", "The picture reader %1 cannot start: %2")
                .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(failed))));
    ++starts_;
    pid_ = pid;
    socket_ = std::move(ours);
    // Only the helper holds its end now: should it die before saying it is
    // ready, the wait below sees the socket close instead of waiting it out.
    theirs = UniqueFd();

    // The helper says it is ready once it is confined.
    pollfd ready{socket_.get(), POLLIN, 0};
    ChannelMessage hello;
    if (::poll(&ready, 1, StartWaitMs) != 1 || !ReceiveMessage(socket_.get(), hello) ||
        hello.body != "ready") {
        end();
        if (cancelled_) throw HelperJobCancelled();  // killed by the cancel itself
        throw SleevixError(QCoreApplication::translate(
            "DecodeHelper", "The picture reader cannot start in its sandbox"));
    }
}

void DecodeHelper::end() {
    {
        const std::lock_guard<std::mutex> state(state_);
        killed_ = false;
    }
    const pid_t pid = pid_.exchange(-1);
    socket_ = UniqueFd();
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

void DecodeHelper::cancel() {
    const std::lock_guard<std::mutex> lock(state_);
    cancelled_ = true;
    const pid_t pid = pid_;
    if (busy_ && pid > 0) {
        ::kill(pid, SIGKILL);
        killed_ = true;
    }
}

void DecodeHelper::stopped(const HelperJob& job, ReaderStop how) {
    end();
    throw ReaderStopped(job.fileName, how);
}

HelperReply DecodeHelper::run(const HelperJob& job, JobDeadline deadline,
                              const std::vector<int>& fds,
                              const std::function<bool(const HelperReply&)>& partial) {
    const std::lock_guard<std::mutex> lock(running_);
    if (cancelled_) throw HelperJobCancelled();
    if (killed_) end();  // ended by a cancel after it answered its job
    if (pid_ <= 0) start();
    {
        const std::lock_guard<std::mutex> state(state_);
        busy_ = true;
    }
    struct Idle {
        DecodeHelper& helper;
        ~Idle() {
            const std::lock_guard<std::mutex> state(helper.state_);
            helper.busy_ = false;
        }
    } idle{*this};
    if (!SendMessage(socket_.get(), EncodeJob(job), fds)) {
        // A helper that ended between jobs: once more with a new one.
        end();
        start();
        if (!SendMessage(socket_.get(), EncodeJob(job), fds)) stopped(job, ReaderStop::Crashed);
    }
    return awaitReply(job, deadline, partial);
}

HelperReply DecodeHelper::awaitReply(const HelperJob& job, JobDeadline deadline,
                                     const std::function<bool(const HelperReply&)>& partial) {
    const pid_t pid = pid_;
    const double cpuLimit = deadline.cpuSeconds * DeadlineScale;
    const double cpuAtStart = cpuSeconds(pid);
    const auto clockLimit = std::chrono::steady_clock::now() +
                            std::chrono::duration<double>(std::max(
                                SmallestClockDeadlineSeconds, cpuLimit * ClockDeadlineFactor));
    long long largestSeen = 0;
    const auto crashed = [&] {
        const bool nearLimit =
            double(largestSeen) > NearTheLimit * double(HelperAddressSpaceLimit());
        stopped(job, nearLimit ? ReaderStop::NeededTooMuchMemory : ReaderStop::Crashed);
    };
    for (;;) {
        if (cancelled_) {
            end();
            throw HelperJobCancelled();
        }
        pollfd answer{socket_.get(), POLLIN, 0};
        const int ready = ::poll(&answer, 1, DeadlineCheckMs);
        if (ready < 0 && errno != EINTR) crashed();
        if (ready > 0) {
            ChannelMessage message;
            if (!ReceiveMessage(socket_.get(), message)) {
                if (cancelled_) {
                    end();
                    throw HelperJobCancelled();
                }
                crashed();
            }
            std::optional<HelperReply> reply = DecodeReply(message);
            if (!reply) stopped(job, ReaderStop::Crashed);
            switch (reply->status) {
                case HelperStatus::Done:
                    return std::move(*reply);
                case HelperStatus::Failed:
                    throw SleevixError(reply->message);
                case HelperStatus::OutOfMemory:
                    throw ReaderStopped(job.fileName, ReaderStop::NeededTooMuchMemory);
                case HelperStatus::Partial:
                    if (partial && !partial(*reply)) {
                        end();
                        throw HelperJobCancelled();
                    }
                    continue;
            }
        }
        if (HelperAddressSpaceLimited) largestSeen = std::max(largestSeen, addressSpace(pid));
        if (cpuSeconds(pid) - cpuAtStart > cpuLimit ||
            std::chrono::steady_clock::now() > clockLimit)
            stopped(job, ReaderStop::TookTooLong);
    }
}
