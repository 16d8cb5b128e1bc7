// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreGrid.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace kluvian {

// The score file: the column count and the row count, each in decimal on a line of its
// own, then every cell on a line of its own, column by column, each column from row 0 down.

// Replaces the counts and cells of the grid with those of the file at path. Lines end in
// CR LF, a lone CR or a lone LF; the byte 0x1A ends the file; cells past the end of the
// file are empty and lines after the last cell are ignored. A count is read after any
// blanks, control characters and line ends, up to the next blank or control character,
// as ParseInteger reads it; the rest of its line is skipped; below 1 it becomes 1.
// Throws IoError: "Invalid numeric input" for a count that is not an integer or exceeds
// ScoreGrid::kMaxCount, "File access denied" when the file cannot be opened, another code
// when reading fails. What was read before the failure stays applied to the grid.
void LoadGrid(ScoreGrid& grid, const std::string& path);

// The bytes SaveGrid writes: every line ends in CR LF, the last one included.
std::string GridFileBytes(const ScoreGrid& grid);

// Which file a path names, whatever name it is reached by.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
// The file at path (links followed), or nothing when there is none.
std::optional<FileIdentity> IdentifyFile(const std::string& path);

// Writes GridFileBytes(grid) to path without destroying what it replaces. The file replaced
// is the one path names, links followed: a link stays a link (unless it leads to something
// other than a regular file, such as a device, which stays as it is). The bytes go to the one
// temporary file beside it (its name and ".tmp"; one left by a killed save is reused), are
// flushed to the disk and renamed over it, so a failure or a crash leaves the previous file
// whole; the replacement keeps the file's permissions. A file the user may not write is
// not replaced ("File access denied", as a plain write would fail). When the directory
// takes no new file but the file may be written, the bytes are written into the file
// itself. When the file replaced is keepAsOld, it is first kept beside itself with ".old"
// added (replacing an older one); where that cannot be done the save fails. Throws
// IoError ("File access denied", "Disk full", ...) on failure.
void SaveGrid(const ScoreGrid& grid, const std::string& path,
              const std::optional<FileIdentity>& keepAsOld = std::nullopt);

} // namespace kluvian
