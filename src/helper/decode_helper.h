// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

#include <sys/types.h>

#include "base/sleevix_error.h"
#include "helper/helper_channel.h"
#include "helper/helper_messages.h"

// How a job of the helper ended without an answer of the reader's own.
enum class ReaderStop { Crashed, TookTooLong, NeededTooMuchMemory };

// "\"name\" could not be read: the reader stopped (crashed)", and its kin:
// the file is named, the program goes on.
class ReaderStopped : public SleevixError {
  public:
    ReaderStopped(const QString& fileName, ReaderStop how);
    ReaderStop how() const { return how_; }

  private:
    ReaderStop how_;
};

// The job was ended from outside (a newer preview, the dialog closed).
class HelperJobCancelled : public std::exception {
  public:
    const char* what() const noexcept override { return "decode cancelled"; }
};

// Processor time a job may take before its helper is ended, in seconds of
// the helper's own processor time, not of the clock: a loaded machine
// slows a job down, but does not make it fail.
struct JobDeadline {
    double cpuSeconds;
};

// A decode helper process of the program's own, started on first use and
// again after it ended. Files' bytes are decoded there, never here: a crash,
// a job past its deadline or the helper's memory limit ends the helper
// alone, and the job raises ReaderStopped naming the file.
class DecodeHelper {
  public:
    DecodeHelper();
    ~DecodeHelper();  // ends the helper without waiting for its job
    DecodeHelper(const DecodeHelper&) = delete;
    DecodeHelper& operator=(const DecodeHelper&) = delete;

    // Runs the job with `fds` passed beside it and returns the final reply;
    // raises the reader's own error, ReaderStopped, or HelperJobCancelled.
    // A first, rougher reply goes to `partial` first, which returns false to
    // end the job as cancelled. One job at a time; callers wait their turn.
    HelperReply run(const HelperJob& job, JobDeadline deadline, const std::vector<int>& fds = {},
                    const std::function<bool(const HelperReply&)>& partial = {});

    // Ends the job running now, or the next one to run, from any thread; it
    // raises HelperJobCancelled. Jobs after it are ended too, until
    // clearCancel(): whoever hands out the jobs calls that when it hands out
    // one that is wanted.
    void cancel();
    void clearCancel() { cancelled_ = false; }

    // How many helper processes this one has started, for tests.
    int startsSoFar() const { return starts_; }

  private:
    void start();
    void end();
    HelperReply awaitReply(const HelperJob& job, JobDeadline deadline,
                           const std::function<bool(const HelperReply&)>& partial);
    [[noreturn]] void stopped(const HelperJob& job, ReaderStop how);

    std::mutex running_;
    std::atomic<pid_t> pid_{-1};
    std::atomic<bool> cancelled_{false};
    // Guarded by state_: a job runs (only then does a cancel end the
    // helper), and a cancel ended the helper, which may have answered first.
    std::mutex state_;
    bool busy_ = false;
    bool killed_ = false;
    UniqueFd socket_;
    int starts_ = 0;
};

// The program's helper, for the jobs of its windows and exports.
DecodeHelper& ProgramDecodeHelper();

// Where the helper's executable is: $SLEEVIX_DECODE_HELPER, else beside the
// program, else where the package installs it relative to the program
// (which the build tree copies).
QString DecodeHelperPath();
