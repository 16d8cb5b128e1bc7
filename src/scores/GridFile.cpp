// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/GridFile.h"

#include "platform/IoError.h"
#include "scores/IntegerText.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kluvian {
namespace {

constexpr int kEndOfText = -1;
constexpr char kEofByte = 0x1A;
// Read and write fault codes for EIO, whose own number would read as "File access denied".
constexpr int kReadFault = 30;
constexpr int kWriteFault = 29;

// Turns errno into the I/O error code whose text the player sees.
IoError ioErrorFrom(int error, bool writing) {
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
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so a failure of the close itself can be reported.
    int release() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// Reads a text file byte by byte, the old way of text files: 0x1A and the end of the file
// both end the text for good.
class TextReader {
public:
    explicit TextReader(int fd) : fd_(fd) {}

    int Peek() {
        if (pos_ == len_ && !ended_)
            Fill();
        if (ended_)
            return kEndOfText;
        return static_cast<unsigned char>(buffer_[pos_]);
    }
    void Advance() { ++pos_; }

    // The bytes up to the line end, which is consumed: CR LF, a lone CR or a lone LF.
    std::string ReadLine() {
        std::string line;
        for (int c = Peek(); c != kEndOfText; c = Peek()) {
            Advance();
            if (c == '\n')
                break;
            if (c == '\r') {
                if (Peek() == '\n')
                    Advance();
                break;
            }
            line += char(c);
        }
        return line;
    }

    // A count: skips blanks, control characters and line ends, takes the bytes up to the
    // next blank or control character, and then skips the rest of the line.
    int ReadCount() {
        while (Peek() != kEndOfText && Peek() <= ' ')
            Advance();
        std::string token;
        while (Peek() != kEndOfText && Peek() > ' ') {
            token += char(Peek());
            Advance();
        }
        ReadLine();
        if (token.empty())
            return 0; // no number before the end of the text reads as 0
        const auto value = ParseInteger(token);
        if (!value || *value > ScoreGrid::kMaxCount)
            throw IoError(IoError::InvalidNumericInput);
        return *value;
    }

private:
    void Fill() {
        if (sawEofByte_) {
            ended_ = true;
            return;
        }
        ssize_t got = 0;
        do
            got = ::read(fd_, buffer_.data(), buffer_.size());
        while (got < 0 && errno == EINTR);
        if (got < 0)
            throw ioErrorFrom(errno, false);
        pos_ = 0;
        len_ = std::size_t(got);
        // Only what precedes the first 0x1A is text.
        for (std::size_t k = 0; k < len_; ++k)
            if (buffer_[k] == kEofByte) {
                len_ = k;
                sawEofByte_ = true;
                break;
            }
        ended_ = len_ == 0;
    }

    int fd_;
    std::array<char, 65536> buffer_{};
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool ended_ = false;
    bool sawEofByte_ = false;
};

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            throw ioErrorFrom(errno, true);
        if (written == 0)
            throw IoError(IoError::DiskFull);
        bytes.remove_prefix(std::size_t(written));
    }
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The file path names once its symbolic links are followed; it need not exist.
std::string followLinks(std::string path) {
    constexpr int kMaxLinks = 40; // as the system follows them
    for (int links = 0; links < kMaxLinks; ++links) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec))
            return path;
        const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec)
            throw ioErrorFrom(ec.value(), true);
        path = (std::filesystem::path(path).parent_path() / target).string();
    }
    throw ioErrorFrom(ELOOP, true);
}

// Fails as a plain write to the file would fail, without changing it.
void requireWritable(const std::string& file) {
    const Fd probe(::open(file.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (probe.get() < 0)
        throw ioErrorFrom(errno, true);
}

// The save's one temporary file, locked: two programs saving at once take turns, and one
// left by a killed save is reused, or replaced when it is not the user's to write. The lock
// is held until the file has been renamed, so nobody truncates it in between.
Fd openTemporary(const std::string& name) {
    for (;;) {
        Fd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.get() < 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            // One left by another user's killed save: replaced, where the folder allows it.
            if ((error == EACCES || error == EPERM) && ::unlink(name.c_str()) == 0)
                continue;
            throw ioErrorFrom(error, true);
        }
        // Where there are no locks (some network file systems) the save goes on unguarded.
        while (::flock(fd.get(), LOCK_EX) != 0 && errno == EINTR) {
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(fd.get(), &held) != 0)
            throw ioErrorFrom(errno, true);
        if (::stat(name.c_str(), &named) == 0) {
            if (named.st_dev == held.st_dev && named.st_ino == held.st_ino)
                return fd;
        } else if (errno != ENOENT) {
            throw ioErrorFrom(errno, true);
        }
        // The save we waited for has renamed this file into place: start afresh.
    }
}

// The replacement keeps the mode, and the owner and group where the user may set them.
void keepPermissions(int fd, const struct stat& existing) {
    const uid_t owner = ::geteuid() == 0 ? existing.st_uid : uid_t(-1);
    if (::fchown(fd, owner, existing.st_gid) != 0) {
        // not a group of the user's: the replacement gets the user's own
    }
    if (::fchmod(fd, existing.st_mode & 07777) != 0)
        throw ioErrorFrom(errno, true);
}

// Makes old a second name of file, replacing an older old. A hard link keeps file in place
// throughout, so a kill at any point leaves the table under its own name; where the file
// system has no hard links, file is renamed instead.
void keepAsOldName(const std::string& file, const std::string& old) {
    if (::unlink(old.c_str()) != 0 && errno != ENOENT)
        throw ioErrorFrom(errno, true);
    if (::link(file.c_str(), old.c_str()) == 0)
        return;
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
        throw ioErrorFrom(errno, true);
    if (::rename(file.c_str(), old.c_str()) != 0)
        throw ioErrorFrom(errno, true);
}

// Writes the bytes to file's temporary, then renames it over file; file itself is first
// kept under its ".old" name when keepOld is set. existing: file's status, if it is a
// regular file.
void replaceThroughTemporary(const std::string& file, std::string_view bytes,
                             const struct stat* existing, bool keepOld) {
    const std::string temporary = file + ".tmp";
    const Fd locked = openTemporary(temporary);
    try {
        if (::ftruncate(locked.get(), 0) != 0)
            throw ioErrorFrom(errno, true);
        if (existing)
            keepPermissions(locked.get(), *existing);
        writeAll(locked.get(), bytes);
        if (::fsync(locked.get()) != 0)
            throw ioErrorFrom(errno, true);
        if (keepOld)
            keepAsOldName(file, file + ".old");
        if (::rename(temporary.c_str(), file.c_str()) != 0)
            throw ioErrorFrom(errno, true);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    // The renames themselves reach the disk with the directory.
    const Fd directory(::open(directoryOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

// For a directory that takes no new file: the bytes go into the file itself.
void writeInPlace(const std::string& file, std::string_view bytes) {
    Fd fd(::open(file.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        throw ioErrorFrom(errno, true);
    writeAll(fd.get(), bytes);
    if (::fsync(fd.get()) != 0)
        throw ioErrorFrom(errno, true);
    if (fd.release() != 0)
        throw ioErrorFrom(errno, true);
}

} // namespace

void LoadGrid(ScoreGrid& grid, const std::string& path) {
    const Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        throw ioErrorFrom(errno, false);
    TextReader reader(file.get());
    grid.SetColCount(reader.ReadCount());
    grid.SetRowCount(reader.ReadCount());
    for (int c = 0; c < grid.ColCount(); ++c)
        for (int r = 0; r < grid.RowCount(); ++r)
            grid.SetCell(c, r, reader.ReadLine());
}

std::string GridFileBytes(const ScoreGrid& grid) {
    std::string bytes;
    const auto line = [&bytes](std::string_view text) {
        bytes += text;
        bytes += "\r\n";
    };
    line(std::to_string(grid.ColCount()));
    line(std::to_string(grid.RowCount()));
    for (int c = 0; c < grid.ColCount(); ++c)
        for (int r = 0; r < grid.RowCount(); ++r)
            line(grid.Cell(c, r));
    return bytes;
}

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

void SaveGrid(const ScoreGrid& grid, const std::string& path,
              const std::optional<FileIdentity>& keepAsOld) {
    const std::string bytes = GridFileBytes(grid);
    std::string file = followLinks(path);
    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    const bool regular = exists && S_ISREG(existing.st_mode);
    // A device or a FIFO that a link points to is no table to replace: the link itself is.
    if (exists && !regular)
        file = path;
    if (regular)
        requireWritable(file);
    const bool keepOld = regular && keepAsOld == FileIdentity{existing.st_dev, existing.st_ino};
    try {
        replaceThroughTemporary(file, bytes, regular ? &existing : nullptr, keepOld);
    } catch (const IoError& e) {
        // The old file cannot be kept without a new name in the folder: that save fails.
        if (!regular || keepOld || e.code() != IoError::AccessDenied)
            throw;
        writeInPlace(file, bytes);
    }
}

} // namespace kluvian
