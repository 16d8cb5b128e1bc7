// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreGrid.h"

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableView;

namespace kluvian {

class Dialogs;
class ScoreGridModel;
class ScoreTable;

// The score table window "Tabela mistrzów": a tool window that stays on top and is never
// modal, showing the ten best results of a ScoreTable in G2 as they change. Created hidden;
// showing and hiding it never changes the table.
class TFWynik final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 335;
    static constexpr int kClientHeight = 338;

    // Runs FormCreate. mainWindow (may be null) is the window the table is transient for and
    // that the first showing centres over; the table goes with it at the latest. Failures of
    // the load are shown through dialogs.ShowError.
    TFWynik(ScoreTable& table, Dialogs& dialogs, QWidget* mainWindow);
    ~TFWynik() override;

    // Loads the table (ScoreTable::Load).
    void FormCreate();
    // Ranks the table (ScoreTable::Rank).
    void RankTable();

    // "&Zamknij": hides the window and says so (Closed); the close box only hides it.
    void Button1Click();

    // The selected index of the invisible direction group: 0 ascending, anything else
    // (1 unless changed, -1 with nothing selected) descending.
    int DirgrpItemIndex() const;

    const ScoreGrid& Grid() const;

    QTableView* G2 = nullptr;
    QGroupBox* Dirgrp = nullptr;
    QPushButton* Button1 = nullptr;

signals:
    // "&Zamknij" was pressed: the player wants the drawing without the pointer again.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ApplyColumnWidths();
    void SelectFirstResult();
    void Refresh();

    ScoreTable& table_;
    Dialogs& dialogs_;
    QPointer<QWidget> mainWindow_;
    ScoreGridModel* model_ = nullptr;
    QRadioButton* ascending_ = nullptr;
    QRadioButton* descending_ = nullptr;
    bool placed_ = false;
};

} // namespace kluvian
