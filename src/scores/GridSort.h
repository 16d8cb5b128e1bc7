// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreGrid.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace kluvian {

enum class CompareKind { Integer, Text, Real };
enum class SortDirection { Ascending, Descending };

// Draws an integer 0 .. n-1 for n >= 1; the game binds its generator's RandomBelow here.
using RandomBelowFn = std::function<std::uint32_t(std::uint32_t)>;

// -1, 0 or +1 as text a is below, equal to or above text b (both code page 1250 bytes).
// Integer: as ParseInteger reads them, a text that is not an integer counting as 0.
// Text: case-insensitive, in the order of the user's locale.
// Real: decimal real numbers with optional blanks around them, in the user's locale or with
// a point; a text that does not convert (or is not finite) counts as 0.
int CompareCells(std::string_view a, std::string_view b, CompareKind kind);

// What QuickSortRows compares by: the texts of one column of a grid that stays unchanged
// during the sort.
struct SortKey {
    const ScoreGrid& grid;
    int column;
    CompareKind kind;
    SortDirection direction;
};

// Sorts rows[lo..hi] (row numbers of key.grid) by key, recursively, each partition around a
// pivot at lo + randomBelow(hi - lo + 1). Entries equal to the pivot go to its right, so the
// order among equal texts is not defined. Indices outside rows are never touched.
void QuickSortRows(std::vector<int>& rows, int lo, int hi, const SortKey& key,
                   const RandomBelowFn& randomBelow);

// Sorts the non-fixed rows of the grid by the texts of one column; whole rows move, the
// fixed row stays. A column outside the grid reads as empty, so nothing moves.
void SortGrid(ScoreGrid& grid, int column, CompareKind kind, SortDirection direction,
              const RandomBelowFn& randomBelow);

} // namespace kluvian
