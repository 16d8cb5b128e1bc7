// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreGridModel.h"

#include "platform/CodePage.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>

#include <array>

namespace kluvian {
namespace {

// The column headings as the table has always written them into its file. The window shows
// them in the player's language; a heading the file holds otherwise stands as it is.
constexpr std::array kHeadings{
    //: The score table's place column, 30 pixels wide: three or four characters.
    QT_TRANSLATE_NOOP("TFWynik", "Lp."),
    //: The score table's name column, 136 pixels wide.
    QT_TRANSLATE_NOOP("TFWynik", "Nazwa Gracza"),
    //: The score table's date column, 84 pixels wide.
    QT_TRANSLATE_NOOP("TFWynik", " Data  "),
    //: The score table's score column, 55 pixels wide: about seven characters.
    QT_TRANSLATE_NOOP("TFWynik", " Wynik "),
};

QString Shown(const std::string& cell, int row) {
    if (row == 0)
        for (const char* heading : kHeadings)
            if (cell == heading)
                return QCoreApplication::translate("TFWynik", heading);
    return FromCp1250(cell);
}

} // namespace

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
        return Shown(grid_.Cell(index.column(), index.row()), index.row());
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
