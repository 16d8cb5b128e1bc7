// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreGridModel.h"

#include "platform/CodePage.h"

#include <QBrush>
#include <QColor>

namespace kluvian {

int ScoreGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount();
}

int ScoreGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColCount();
}

QVariant ScoreGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return FromCp1250(grid_.Cell(index.column(), index.row()));
    case Qt::BackgroundRole:
        return QBrush(IsFixed(index) ? QColor(Qt::yellow) : QColor(Qt::white));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case kFixedRole:
        return IsFixed(index);
    default:
        return {};
    }
}

Qt::ItemFlags ScoreGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return IsFixed(index) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace kluvian
