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

    static std::string TextOf(int code) {
        switch (code) {
        case FileNotFound:
            return "File not found";
        case PathNotFound:
            return "Path not found";
        case AccessDenied:
            return "File access denied";
        case ReadBeyondEnd:
            return "Read beyond end of file";
        case DiskFull:
            return "Disk full";
        case InvalidNumericInput:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
        }
    }

private:
    int code_;
};

} // namespace kluvian
