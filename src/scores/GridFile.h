// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SafeFile.h"
#include "scores/ScoreGrid.h"

#include <string>

namespace kluvian {

// The score file: the column count and the row count, each in decimal on a line of its
// own, then every cell on a line of its own, column by column, each column from row 0 down.

// Replaces the counts and cells of the grid with those of the file at path. Lines end in
// CR LF, a lone CR or a lone LF; the byte 0x1A ends the file; cells past the end of the
// file are empty and lines after the last cell are ignored. A count is read after any
// blanks, control characters and line ends, up to the next blank or control character,
// as ParseInteger reads it; the rest of its line is skipped; below 1 it becomes 1.
// Throws IoError: "Invalid numeric input" for a count that is not an integer or exceeds
// ScoreGrid::kMaxCount, "File access denied" when the file cannot be opened (also through
// a link of someone else's, see ReadFile), another code when reading fails. What was read
// before the failure stays applied to the grid.
void LoadGrid(ScoreGrid& grid, const std::string& path);
// As LoadGrid, from a file already open.
void ReadGrid(ScoreGrid& grid, FileReader& file);

// The bytes SaveGrid writes: every line ends in CR LF, the last one included.
std::string GridFileBytes(const ScoreGrid& grid);

// Writes GridFileBytes(grid) to path through ReplaceFile, so without destroying what it
// replaces. Throws IoError ("File access denied", "Disk full", ...) on failure.
void SaveGrid(const ScoreGrid& grid, const std::string& path);

} // namespace kluvian
