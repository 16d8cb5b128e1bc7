// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreGrid.h"

#include <QAbstractTableModel>

namespace kluvian {

// Shows a ScoreGrid in a view: cells decoded from code page 1250, the fixed row and column
// in yellow and never selectable, nothing editable. The grid is the only copy of the
// table; call Refresh after changing it.
class ScoreGridModel final : public QAbstractTableModel {
public:
    explicit ScoreGridModel(const ScoreGrid& grid, QObject* parent = nullptr)
        : QAbstractTableModel(parent), grid_(grid) {}

    // Marks the cell as one of the fixed row or column.
    static constexpr int kFixedRole = Qt::UserRole;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Everything may have changed, the counts included.
    void Refresh() {
        beginResetModel();
        endResetModel();
    }

private:
    bool IsFixed(const QModelIndex& index) const {
        return index.column() < grid_.FixedCols() || index.row() < grid_.FixedRows();
    }

    const ScoreGrid& grid_;
};

} // namespace kluvian
