// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/GridSort.h"

#include "platform/CodePage.h"
#include "scores/IntegerText.h"

#include <QCollator>
#include <QLocale>

#include <cmath>

namespace kluvian {
namespace {

int Sign(double value) {
    return (value > 0) - (value < 0);
}

double RealOrZero(std::string_view bytes) {
    const QString text = FromCp1250(bytes).trimmed();
    bool ok = false;
    double value = QLocale::system().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

bool BelongsRight(int comparison, SortDirection direction) {
    return direction == SortDirection::Ascending ? comparison >= 0 : comparison <= 0;
}

bool BelongsLeft(int comparison, SortDirection direction) {
    return direction == SortDirection::Ascending ? comparison < 0 : comparison > 0;
}

} // namespace

int CompareCells(std::string_view a, std::string_view b, CompareKind kind) {
    switch (kind) {
    case CompareKind::Integer: {
        const std::int64_t x = ParseInteger(a).value_or(0);
        const std::int64_t y = ParseInteger(b).value_or(0);
        return Sign(double(x - y));
    }
    case CompareKind::Text: {
        QCollator collator(QLocale::system());
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        return Sign(collator.compare(FromCp1250(a), FromCp1250(b)));
    }
    case CompareKind::Real:
        return Sign(RealOrZero(a) - RealOrZero(b));
    }
    return 0;
}

void QuickSortRows(std::vector<int>& rows, int lo, int hi, const SortKey& key,
                   const RandomBelowFn& randomBelow) {
    lo = std::max(lo, 0);
    hi = std::min(hi, int(rows.size()) - 1);
    if (lo >= hi)
        return;
    const auto compare = [&key](int rowA, int rowB) {
        return CompareCells(key.grid.Cell(key.column, rowA), key.grid.Cell(key.column, rowB),
                            key.kind);
    };
    const auto span = std::uint32_t(hi - lo + 1);
    const int p = lo + int(randomBelow(span) % span);
    const int pivot = rows[std::size_t(p)];
    rows[std::size_t(p)] = rows[std::size_t(lo)];
    int i = lo;
    int j = hi;
    for (;;) {
        while (i < j && BelongsRight(compare(rows[std::size_t(j)], pivot), key.direction))
            --j;
        if (i >= j) {
            rows[std::size_t(i)] = pivot;
            break;
        }
        rows[std::size_t(i)] = rows[std::size_t(j)];
        ++i;
        while (i < j && BelongsLeft(compare(rows[std::size_t(i)], pivot), key.direction))
            ++i;
        if (i >= j) {
            i = j;
            rows[std::size_t(j)] = pivot;
            break;
        }
        rows[std::size_t(j)] = rows[std::size_t(i)];
    }
    QuickSortRows(rows, lo, i - 1, key, randomBelow);
    QuickSortRows(rows, i + 1, hi, key, randomBelow);
}

void SortGrid(ScoreGrid& grid, int column, CompareKind kind, SortDirection direction,
              const RandomBelowFn& randomBelow) {
    const ScoreGrid scratch = grid;
    const int first = grid.FixedRows();
    std::vector<int> rows;
    for (int r = first; r < grid.RowCount(); ++r)
        rows.push_back(r);
    QuickSortRows(rows, 0, int(rows.size()) - 1, SortKey{scratch, column, kind, direction},
                  randomBelow);
    for (std::size_t k = 0; k < rows.size(); ++k)
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCell(c, first + int(k), scratch.Cell(c, rows[k]));
}

} // namespace kluvian
