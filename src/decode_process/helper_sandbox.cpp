// SPDX-License-Identifier: GPL-3.0-or-later
#include "decode_process/helper_sandbox.h"

#include <cerrno>
#include <initializer_list>

#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace {

class SeccompFilter {
  public:
    SeccompFilter() : context_(seccomp_init(SCMP_ACT_ALLOW)) {}
    ~SeccompFilter() {
        if (context_) seccomp_release(context_);
    }
    SeccompFilter(const SeccompFilter&) = delete;
    SeccompFilter& operator=(const SeccompFilter&) = delete;

    bool valid() const { return context_ != nullptr; }
    bool refuse(int call) {
        return seccomp_rule_add(context_, SCMP_ACT_ERRNO(EPERM), call, 0) == 0;
    }
    // Refuses the call when its argument `index` has `bits` of `mask` set.
    bool refuseWhen(int call, unsigned index, unsigned long mask, unsigned long bits) {
        return seccomp_rule_add(context_, SCMP_ACT_ERRNO(EPERM), call, 1,
                                SCMP_CMP(index, SCMP_CMP_MASKED_EQ, mask, bits)) == 0;
    }
    bool refuseAsMissing(int call) {
        return seccomp_rule_add(context_, SCMP_ACT_ERRNO(ENOSYS), call, 0) == 0;
    }
    bool load() { return seccomp_load(context_) == 0; }

  private:
    scmp_filter_ctx context_;
};

// Opening for writing in any of the ways a flag word says it.
bool refuseWritingOpens(SeccompFilter& filter, int call, unsigned flagsIndex) {
    return filter.refuseWhen(call, flagsIndex, O_ACCMODE, O_WRONLY) &&
           filter.refuseWhen(call, flagsIndex, O_ACCMODE, O_RDWR) &&
           filter.refuseWhen(call, flagsIndex, O_CREAT, O_CREAT) &&
           filter.refuseWhen(call, flagsIndex, O_TRUNC, O_TRUNC);
}

bool limitAddressSpace() {
    if (!HelperAddressSpaceLimited) return true;
    const rlim_t bytes = rlim_t(HelperAddressSpaceLimit());
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_AS, &limit) == 0;
}

}  // namespace

bool EnterHelperSandbox() {
    // No core files of a helper that a hostile file crashed.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (!limitAddressSpace()) return false;
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
    SeccompFilter filter;
    if (!filter.valid()) return false;
    for (const int call :
         {SCMP_SYS(socket), SCMP_SYS(socketpair), SCMP_SYS(connect), SCMP_SYS(bind),
          SCMP_SYS(listen), SCMP_SYS(accept), SCMP_SYS(accept4), SCMP_SYS(execve),
          SCMP_SYS(execveat), SCMP_SYS(fork), SCMP_SYS(vfork), SCMP_SYS(ptrace),
          SCMP_SYS(process_vm_writev), SCMP_SYS(creat), SCMP_SYS(truncate), SCMP_SYS(rename),
          SCMP_SYS(renameat), SCMP_SYS(renameat2), SCMP_SYS(unlink), SCMP_SYS(unlinkat),
          SCMP_SYS(mkdir), SCMP_SYS(mkdirat), SCMP_SYS(rmdir), SCMP_SYS(link), SCMP_SYS(linkat),
          SCMP_SYS(symlink), SCMP_SYS(symlinkat), SCMP_SYS(chmod), SCMP_SYS(fchmodat),
          SCMP_SYS(chown), SCMP_SYS(fchownat), SCMP_SYS(lchown), SCMP_SYS(mknod),
          SCMP_SYS(mknodat), SCMP_SYS(utimensat), SCMP_SYS(open_by_handle_at)})
        if (!filter.refuse(call)) return false;
    if (!refuseWritingOpens(filter, SCMP_SYS(open), 1) ||
        !refuseWritingOpens(filter, SCMP_SYS(openat), 2))
        return false;
    // A new process only as a thread of this one. clone3 hides its flags
    // behind a pointer; told it is missing, the C library falls back to clone.
    if (!filter.refuseWhen(SCMP_SYS(clone), 0, CLONE_THREAD, 0) ||
        !filter.refuseAsMissing(SCMP_SYS(clone3)))
        return false;
    // openat2 hides its flags behind a pointer the filter cannot read.
    if (!filter.refuse(SCMP_SYS(openat2))) return false;
    return filter.load();
}
