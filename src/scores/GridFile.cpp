// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/GridFile.h"

#include "platform/IoError.h"
#include "scores/IntegerText.h"

#include <array>
#include <string_view>

namespace kluvian {
namespace {

constexpr int kEndOfText = -1;
constexpr char kEofByte = 0x1A;

// Reads a text file byte by byte, the old way of text files: 0x1A and the end of the file
// both end the text for good.
class TextReader {
public:
    explicit TextReader(FileReader& file) : file_(file) {}

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
        pos_ = 0;
        len_ = file_.Read(buffer_.data(), buffer_.size());
        // Only what precedes the first 0x1A is text.
        for (std::size_t k = 0; k < len_; ++k)
            if (buffer_[k] == kEofByte) {
                len_ = k;
                sawEofByte_ = true;
                break;
            }
        ended_ = len_ == 0;
    }

    FileReader& file_;
    std::array<char, 65536> buffer_{};
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool ended_ = false;
    bool sawEofByte_ = false;
};

} // namespace

void LoadGrid(ScoreGrid& grid, const std::string& path) {
    ReadFile(path, [&grid](FileReader& file) { ReadGrid(grid, file); });
}

void ReadGrid(ScoreGrid& grid, FileReader& file) {
    TextReader reader(file);
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
    ReplaceFile(path, [&](FileReader*) { return Replacement{bytes}; });
}

} // namespace kluvian
