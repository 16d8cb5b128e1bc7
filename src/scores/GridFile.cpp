#include "scores/GridFile.h"

#include "platform/IoError.h"
#include "scores/IntegerText.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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

// A new file beside path that nobody else uses, opened for writing.
std::pair<std::string, int> createTemporaryBeside(const std::string& path) {
    for (int attempt = 0;; ++attempt) {
        const std::string name =
            path + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {name, fd};
        if (errno != EEXIST && errno != EINTR)
            throw ioErrorFrom(errno, true);
    }
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

void SaveGrid(const ScoreGrid& grid, const std::string& path) {
    const std::string bytes = GridFileBytes(grid);
    auto [temporary, fd] = createTemporaryBeside(path);
    Fd file(fd);
    try {
        writeAll(file.get(), bytes);
        if (::fsync(file.get()) != 0)
            throw ioErrorFrom(errno, true);
        if (file.release() != 0)
            throw ioErrorFrom(errno, true);
        if (::rename(temporary.c_str(), path.c_str()) != 0)
            throw ioErrorFrom(errno, true);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    // The rename itself reaches the disk with the directory.
    const Fd directory(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

} // namespace kluvian
