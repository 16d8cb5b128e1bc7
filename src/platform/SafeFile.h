// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>

namespace kluvian {

// Reading and replacing a file that must survive a failure, a crash, a second copy of the
// program and other users of a shared folder. Failures throw IoError with the code whose text
// the player sees ("File access denied", "Disk full", ...).
//
// A path is followed through a symbolic link only when the link belongs to the user the
// program runs as or to root. The links are followed here, not by the kernel, whose own
// protection of links in shared folders would then not apply; a link of anyone else's is
// treated as a file the user may not open ("File access denied"). Links in the folders on
// the way are the kernel's to follow.

// True when path is a link, or a chain of links, of which one belongs to neither the user the
// program runs as nor root.
bool HasForeignLink(const std::string& path);

// An open file being read from its start. Made by ReadFile and ReplaceFile, valid only while
// the function it was given to runs.
class FileReader {
public:
    // error: the code Read throws (an IoError code) when the file could not be opened for
    // reading; fd is then not read.
    explicit FileReader(int fd, int error = 0) : fd_(fd), error_(error) {}

    // Reads up to size bytes into data and returns how many, 0 at the end of the file.
    std::size_t Read(char* data, std::size_t size);

private:
    int fd_;
    int error_;
    off_t offset_ = 0;
};

// Opens the file at path for reading and hands it to read; closes it on every path.
void ReadFile(const std::string& path, const std::function<void(FileReader&)>& read);

// What ReplaceFile writes, decided from the file it replaces.
struct Replacement {
    std::string bytes;
    // The file replaced is first kept beside itself with ".old" added (replacing an older
    // one); where that cannot be done the replacement fails.
    bool keepOld = false;
};
// current: the regular file that the replacement replaces, as it is under the replacement's
// lock (a file the user may not read throws "File access denied" from Read), or null when
// there is none. It may be called more than once; the last call's answer is written.
using ReplacementFn = std::function<Replacement(FileReader* current)>;

// Replaces the bytes of the file at path without destroying what it replaces. The file
// replaced is the one path names, links followed: a link stays a link (unless it leads to
// something other than a regular file, such as a device, which stays as it is). The bytes go
// to the one temporary file beside it (its name and ".tmp"; one left by a killed replacement
// is reused), are flushed to the disk and renamed over it, so a failure or a crash leaves the
// previous file whole; the replacement keeps the file's permissions. Reading the file,
// deciding and writing happen under one lock: replacements by several programs at once take
// turns, each deciding from what the one before wrote. A file the user may not write is not
// replaced ("File access denied", as a plain write would fail). When the directory takes no
// new file but the file may be written, the bytes are written into the file itself.
// written, when given, is called once the file holds the new bytes as the system reads them:
// a failure after that (the flush to the disk) must not make the caller write them again.
void ReplaceFile(const std::string& path, const ReplacementFn& replacement,
                 const std::function<void()>& written = {});

} // namespace kluvian
