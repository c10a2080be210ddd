#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command and writes "STATUS SECONDS" to RESULT: its exit status (or
# "timeout") and the processor time, user plus system, of it and of every
# process it started, helpers left behind when it ended included.
#   timed.py LIMIT RESULT COMMAND [ARG...]
# LIMIT: wall-clock seconds after which the command's process group is killed.
import ctypes
import os
import signal
import sys
import time

PR_SET_CHILD_SUBREAPER = 36
# How long processes the command left behind may take to end by themselves.
LEFT_BEHIND_GRACE = 5.0


def main():
    if len(sys.argv) < 4:
        sys.exit("usage: timed.py LIMIT RESULT COMMAND [ARG...]")
    limit = float(sys.argv[1])
    result = sys.argv[2]
    command = sys.argv[3:]
    # A helper that outlives the program comes back to us rather than to
    # init, so its processor time is counted too.
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    before = os.times()
    child = os.fork()
    if child == 0:
        os.setpgid(0, 0)
        try:
            os.execvp(command[0], command)
        finally:
            os._exit(127)
    deadline = time.monotonic() + limit
    status = None
    grace_end = None
    while True:
        try:
            pid, wait_status = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            break
        if pid == child:
            if status is None:
                status = os.waitstatus_to_exitcode(wait_status)
            grace_end = time.monotonic() + LEFT_BEHIND_GRACE
        if pid:
            continue
        now = time.monotonic()
        if status is None and now > deadline:
            status = "timeout"
            os.killpg(child, signal.SIGKILL)
        if grace_end is not None and now > grace_end:
            try:
                os.killpg(child, signal.SIGKILL)
            except ProcessLookupError:
                break
            grace_end = now + LEFT_BEHIND_GRACE
        # Polling costs this process a little time, which is not counted.
        time.sleep(0.01)
    after = os.times()
    seconds = (after.children_user - before.children_user) + (
        after.children_system - before.children_system)
    with open(result, "w", encoding="utf-8") as out:
        out.write(f"{status} {seconds:.2f}\n")


if __name__ == "__main__":
    main()
