// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/GridCellDelegate.h"

#include <QPainter>

namespace kluvian {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    static const QColor lineColour(0xC0, 0xC0, 0xC0);
    const QRect cell = option.rect.adjusted(0, 0, -kLineWidth, -kLineWidth);
    const bool selected = option.state.testFlag(QStyle::State_Selected);

    painter->save();
    painter->fillRect(cell, selected ? option.palette.highlight()
                                     : index.data(Qt::BackgroundRole).value<QBrush>());
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : index.data(Qt::ForegroundRole).value<QBrush>().color());
    painter->drawText(cell.adjusted(2, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->fillRect(QRect(cell.right() + 1, option.rect.top(), kLineWidth, option.rect.height()),
                      lineColour);
    painter->fillRect(QRect(option.rect.left(), cell.bottom() + 1, option.rect.width(), kLineWidth),
                      lineColour);
    painter->restore();
}

} // namespace kluvian
