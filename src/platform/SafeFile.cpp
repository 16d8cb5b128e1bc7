// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeFile.h"

#include "platform/IoError.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kluvian {
namespace {

// Read and write fault codes for EIO, whose own number would read as "File access denied".
constexpr int kReadFault = 30;
constexpr int kWriteFault = 29;
constexpr int kMaxLinks = 40; // as the system follows them

// Turns errno into the I/O error code whose text the player sees.
IoError IoErrorFrom(int error, bool writing) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return IoError(IoError::AccessDenied);
    case ENOENT:
        return IoError(IoError::FileNotFound);
    case ENOTDIR:
        return IoError(IoError::PathNotFound);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoError(IoError::DiskFull);
    case EIO:
        return IoError(writing ? kWriteFault : kReadFault);
    default:
        return IoError(error);
    }
}

// An open file descriptor, closed on every path.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now, so a failure of the close itself can be reported.
    int Release() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A link of the user's own, or one the administrator made.
bool TrustedLinkOwner(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

// The file path names once its symbolic links are followed, or nothing when one of them
// belongs to someone else; it need not exist. Each link's owner and target are read through
// one descriptor of the link itself, so the link cannot be swapped in between.
std::optional<std::string> FollowTrustedLinks(std::string path, bool writing) {
    for (int links = 0; links < kMaxLinks; ++links) {
        const Fd entry(::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (entry.Get() < 0 || ::fstat(entry.Get(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        if (!TrustedLinkOwner(st.st_uid))
            return std::nullopt;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlinkat(entry.Get(), "", target.data(), target.size());
        if (length < 0)
            throw IoErrorFrom(errno, writing);
        if (std::size_t(length) >= target.size())
            throw IoErrorFrom(ENAMETOOLONG, writing);
        target.resize(std::size_t(length));
        path = (std::filesystem::path(path).parent_path() / target).string();
    }
    throw IoErrorFrom(ELOOP, writing);
}

std::string TrustedTarget(const std::string& path, bool writing) {
    auto file = FollowTrustedLinks(path, writing);
    if (!file)
        throw IoError(IoError::AccessDenied);
    return std::move(*file);
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            throw IoErrorFrom(errno, true);
        if (written == 0)
            throw IoError(IoError::DiskFull);
        bytes.remove_prefix(std::size_t(written));
    }
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Fails as a plain write to the file would fail, without changing it.
void RequireWritable(const std::string& file) {
    const Fd probe(::open(file.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (probe.Get() < 0)
        throw IoErrorFrom(errno, true);
}

void LockExclusive(int fd) {
    // Where there are no locks (some network file systems) the replacement goes on unguarded.
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// The replacement's one temporary file, locked: replacements by several programs take turns,
// and one left by a killed replacement is reused, or replaced when it is not the user's to
// write. The lock is held until the file has been renamed, so nobody truncates it in between.
Fd OpenTemporary(const std::string& name) {
    for (;;) {
        Fd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.Get() < 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            // One left by another user's killed replacement: replaced, where the folder allows.
            if ((error == EACCES || error == EPERM) && ::unlink(name.c_str()) == 0)
                continue;
            throw IoErrorFrom(error, true);
        }
        LockExclusive(fd.Get());
        struct stat held {};
        struct stat named {};
        if (::fstat(fd.Get(), &held) != 0)
            throw IoErrorFrom(errno, true);
        if (::stat(name.c_str(), &named) == 0) {
            if (SameFile(named, held))
                return fd;
        } else if (errno != ENOENT) {
            throw IoErrorFrom(errno, true);
        }
        // The replacement we waited for has renamed this file into place: start afresh.
    }
}

// The regular file being replaced, locked, so that one writing into it in place and one
// renaming over it take turns too.
struct LockedFile {
    Fd fd;
    struct stat status {};
    int readError = 0; // what reading it throws: it is open for writing only
};

// The regular file named file, opened with flags (write-only where the user may not read it)
// and locked; nothing when no regular file is there, or a link has taken its place.
std::optional<LockedFile> LockRegularFile(const std::string& file, int flags) {
    constexpr int kCommon = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    for (;;) {
        LockedFile locked{Fd(::open(file.c_str(), flags | kCommon))};
        if (locked.fd.Get() < 0 && (errno == EACCES || errno == EPERM)) {
            locked.readError = IoErrorFrom(errno, false).Code();
            locked.fd = Fd(::open(file.c_str(), O_WRONLY | kCommon));
        }
        if (locked.fd.Get() < 0) {
            if (errno == ENOENT || errno == ELOOP)
                return std::nullopt;
            throw IoErrorFrom(errno, true);
        }
        if (::fstat(locked.fd.Get(), &locked.status) != 0)
            throw IoErrorFrom(errno, true);
        if (!S_ISREG(locked.status.st_mode))
            return std::nullopt;
        LockExclusive(locked.fd.Get());
        // The permissions as they are once it is this program's turn.
        if (::fstat(locked.fd.Get(), &locked.status) != 0)
            throw IoErrorFrom(errno, true);
        struct stat named {};
        if (::lstat(file.c_str(), &named) == 0 && SameFile(named, locked.status))
            return locked;
        // The replacement we waited for has renamed another file into place: that one.
    }
}

// The replacement keeps the mode, and the owner and group where the user may set them.
void KeepPermissions(int fd, const struct stat& existing) {
    const uid_t owner = ::geteuid() == 0 ? existing.st_uid : uid_t(-1);
    if (::fchown(fd, owner, existing.st_gid) != 0) {
        // not a group of the user's: the replacement gets the user's own
    }
    if (::fchmod(fd, existing.st_mode & 07777) != 0)
        throw IoErrorFrom(errno, true);
}

// Makes old a second name of file, replacing an older old. A hard link keeps file in place
// throughout, so a kill at any point leaves it under its own name; where the file system has
// no hard links, file is renamed instead.
void KeepAsOldName(const std::string& file, const std::string& old) {
    if (::unlink(old.c_str()) != 0 && errno != ENOENT)
        throw IoErrorFrom(errno, true);
    if (::link(file.c_str(), old.c_str()) == 0)
        return;
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
        throw IoErrorFrom(errno, true);
    if (::rename(file.c_str(), old.c_str()) != 0)
        throw IoErrorFrom(errno, true);
}

// Writes the replacement to file's temporary, then renames it over file, first keeping file
// under its ".old" name when asked to. keptOld: whether the replacement asked for that.
void ReplaceThroughTemporary(const std::string& file, const ReplacementFn& replacement,
                             bool& keptOld, const std::function<void()>& written) {
    const std::string temporary = file + ".tmp";
    const Fd locked = OpenTemporary(temporary);
    try {
        const std::optional<LockedFile> current = LockRegularFile(file, O_RDONLY);
        std::optional<FileReader> reader;
        if (current)
            reader.emplace(current->fd.Get(), current->readError);
        const Replacement next = replacement(reader ? &*reader : nullptr);
        keptOld = current && next.keepOld;
        if (::ftruncate(locked.Get(), 0) != 0)
            throw IoErrorFrom(errno, true);
        if (current)
            KeepPermissions(locked.Get(), current->status);
        WriteAll(locked.Get(), next.bytes);
        if (::fsync(locked.Get()) != 0)
            throw IoErrorFrom(errno, true);
        if (keptOld)
            KeepAsOldName(file, file + ".old");
        if (::rename(temporary.c_str(), file.c_str()) != 0)
            throw IoErrorFrom(errno, true);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    if (written)
        written();
    // The renames themselves reach the disk with the directory.
    const Fd directory(::open(DirectoryOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() >= 0)
        ::fsync(directory.Get());
}

// For a directory that takes no new file: the bytes go into the file itself.
void WriteInPlace(const std::string& file, const ReplacementFn& replacement,
                  const std::function<void()>& written) {
    std::optional<LockedFile> current = LockRegularFile(file, O_RDWR);
    if (!current)
        throw IoError(IoError::AccessDenied); // gone meanwhile, and no new file may be made
    const int fd = current->fd.Get();
    FileReader reader(fd, current->readError);
    const Replacement next = replacement(&reader);
    // The old file cannot be kept without a new name in the folder.
    if (next.keepOld)
        throw IoError(IoError::AccessDenied);
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0)
        throw IoErrorFrom(errno, true);
    WriteAll(fd, next.bytes);
    if (written)
        written();
    if (::fsync(fd) != 0)
        throw IoErrorFrom(errno, true);
    if (current->fd.Release() != 0)
        throw IoErrorFrom(errno, true);
}

} // namespace

bool HasForeignLink(const std::string& path) {
    try {
        return !FollowTrustedLinks(path, false);
    } catch (const IoError&) {
        return false; // a loop or an unreadable link: opening it fails on its own
    }
}

std::size_t FileReader::Read(char* data, std::size_t size) {
    if (error_ != 0)
        throw IoError(error_);
    for (;;) {
        const ssize_t got = ::read(fd_, data, size);
        if (got >= 0)
            return std::size_t(got);
        if (errno != EINTR)
            throw IoErrorFrom(errno, false);
    }
}

void ReadFile(const std::string& path, const std::function<void(FileReader&)>& read) {
    for (int attempt = 0;; ++attempt) {
        const std::string file = TrustedTarget(path, false);
        const Fd fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (fd.Get() < 0) {
            // A link has taken the file's place since: followed as any other.
            if (errno == ELOOP && attempt < kMaxLinks)
                continue;
            throw IoErrorFrom(errno, false);
        }
        FileReader reader(fd.Get());
        read(reader);
        return;
    }
}

void ReplaceFile(const std::string& path, const ReplacementFn& replacement,
                 const std::function<void()>& written) {
    std::string file = TrustedTarget(path, true);
    struct stat existing {};
    const bool exists = ::lstat(file.c_str(), &existing) == 0;
    const bool regular = exists && S_ISREG(existing.st_mode);
    // A device or a FIFO that a link points to is no file to replace: the link itself is.
    if (exists && !regular)
        file = path;
    if (regular)
        RequireWritable(file);
    bool keptOld = false;
    try {
        ReplaceThroughTemporary(file, replacement, keptOld, written);
    } catch (const IoError& e) {
        if (!regular || keptOld || e.Code() != IoError::AccessDenied)
            throw;
        WriteInPlace(file, replacement, written);
    }
}

} // namespace kluvian
