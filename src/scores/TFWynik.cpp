// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/TFWynik.h"

#include "platform/Fonts.h"
#include "scores/GridCellDelegate.h"
#include "scores/ScoreGridModel.h"
#include "scores/ScoreTable.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>

#include <array>

namespace kluvian {
namespace {

constexpr std::array<int, 4> kColumnWidths = {30, 136, 84, 55};
constexpr int kDefaultColumnWidth = 64;
constexpr int kRowHeight = 24;

} // namespace

TFWynik::TFWynik(ScoreTable& table, Dialogs& dialogs, QWidget* mainWindow)
    // The main window as parent makes the table transient for it, so the window manager keeps
    // it with the game, and keeps the main window's shortcuts working while the table is active.
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      table_(table), dialogs_(dialogs), mainWindow_(mainWindow) {
    setWindowTitle(QCoreApplication::translate("TFWynik", "Tabela mistrzów"));
    setFixedSize(kClientWidth, kClientHeight);
    // Closing the table only hides it; it must never end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(SansSerifBold());

    model_ = new ScoreGridModel(table_.Grid(), this);
    G2 = new QTableView(this);
    G2->setGeometry(8, 8, 319, 289);
    G2->setModel(model_);
    G2->setItemDelegate(new GridCellDelegate(G2));
    G2->horizontalHeader()->hide();
    G2->verticalHeader()->hide();
    G2->setShowGrid(false);
    QPalette palette = G2->palette();
    palette.setColor(QPalette::Base, Qt::white); // the area past the last column and row
    G2->setPalette(palette);
    G2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G2->setSelectionMode(QAbstractItemView::SingleSelection);
    G2->setSelectionBehavior(QAbstractItemView::SelectItems);
    G2->setWordWrap(false);
    G2->horizontalHeader()->setMinimumSectionSize(1);
    G2->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G2->horizontalHeader()->setDefaultSectionSize(kDefaultColumnWidth +
                                                  GridCellDelegate::kLineWidth);
    G2->verticalHeader()->setMinimumSectionSize(1);
    G2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G2->verticalHeader()->setDefaultSectionSize(kRowHeight + GridCellDelegate::kLineWidth);
    connect(model_, &QAbstractItemModel::modelReset, this, &TFWynik::ApplyColumnWidths);

    Dirgrp = new QGroupBox(QStringLiteral(" DirGrip "), this);
    Dirgrp->setGeometry(0, 224, 89, 57);
    ascending_ = new QRadioButton(QCoreApplication::translate("TFWynik", "Ascending"), Dirgrp);
    descending_ = new QRadioButton(QCoreApplication::translate("TFWynik", "Descending"), Dirgrp);
    ascending_->setGeometry(8, 16, 78, 17);
    descending_->setGeometry(8, 34, 78, 17);
    descending_->setChecked(true);
    Dirgrp->setVisible(false);
    for (QRadioButton* button : {ascending_, descending_})
        connect(button, &QRadioButton::toggled, this, [this] {
            table_.SetDirection(DirgrpItemIndex() == 0 ? SortDirection::Ascending
                                                       : SortDirection::Descending);
        });

    Button1 = new QPushButton(QCoreApplication::translate("TFWynik", "&Zamknij"), this);
    // A wider caption widens the button about its middle.
    const int buttonWidth = ButtonWidthFor(*Button1, 75);
    Button1->setGeometry(128 - (buttonWidth - 75) / 2, 304, buttonWidth, 25);
    connect(Button1, &QPushButton::clicked, this, &TFWynik::Button1Click);

    FormCreate();
}

TFWynik::~TFWynik() {
    table_.OnChange({}); // the table outlives its window
}

void TFWynik::FormCreate() {
    table_.OnChange([this] { Refresh(); });
    Refresh();
    table_.Load(dialogs_);
}

void TFWynik::RankTable() {
    table_.Rank();
}

const ScoreGrid& TFWynik::Grid() const {
    return table_.Grid();
}

void TFWynik::Refresh() {
    model_->Refresh();
    SelectFirstResult();
}

void TFWynik::SelectFirstResult() {
    G2->setCurrentIndex(model_->index(Grid().FixedRows(), Grid().FixedCols()));
}

void TFWynik::Button1Click() {
    hide();
    emit Closed();
}

int TFWynik::DirgrpItemIndex() const {
    if (ascending_->isChecked())
        return 0;
    return descending_->isChecked() ? 1 : -1;
}

void TFWynik::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        const QRect over = mainWindow_ ? mainWindow_->frameGeometry()
                                       : (screen() ? screen()->availableGeometry() : QRect());
        if (over.isValid())
            move(over.center() - QPoint(width() / 2, height() / 2));
    }
    QWidget::showEvent(event);
}

void TFWynik::ApplyColumnWidths() {
    for (int c = 0; c < int(kColumnWidths.size()) && c < Grid().ColCount(); ++c)
        G2->setColumnWidth(c, kColumnWidths[std::size_t(c)] + GridCellDelegate::kLineWidth);
}

} // namespace kluvian
