// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace kluvian {

// Paints one cell of the score grid: its background, its text two pixels in from the left,
// and grid lines of kLineWidth pixels along its right and bottom edges (Qt's own grid is
// one pixel wide). Section sizes therefore include the line.
class GridCellDelegate final : public QStyledItemDelegate {
public:
    static constexpr int kLineWidth = 2;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace kluvian
