// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace kluvian {

// An input/output failure with the run-time error code of the classic desktop I/O
// library; what() is the text the user sees in the error box (without the full stop).
class IoError : public std::runtime_error {
public:
    enum Code : int {
        FileNotFound = 2,
        PathNotFound = 3,
        AccessDenied = 5,
        ReadBeyondEnd = 100,
        DiskFull = 101,
        InvalidNumericInput = 106,
    };

    explicit IoError(int code) : std::runtime_error(TextOf(code)), code_(code) {}
    int Code() const { return code_; }

    // The text of a code in the player's language.
    static std::string TextOf(int code);

private:
    int code_;
};

} // namespace kluvian
