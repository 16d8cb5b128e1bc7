// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace kluvian::test {

// File permissions count while it lives, even for root: the file-system user becomes
// "nobody", which also drops the capability to override them. The groups stay root's, so
// the group bits of root's files still apply.
class UnprivilegedFiles {
public:
    UnprivilegedFiles() : previous_(::setfsuid(kNobody)) {}
    UnprivilegedFiles(const UnprivilegedFiles&) = delete;
    UnprivilegedFiles& operator=(const UnprivilegedFiles&) = delete;
    ~UnprivilegedFiles() { ::setfsuid(previous_); }

private:
    static constexpr uid_t kNobody = 65534;
    int previous_;
};

// Writes beyond `bytes` fail with EFBIG while it lives, as a full disk would stop them.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace kluvian::test
