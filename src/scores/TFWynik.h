// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/GridSort.h"
#include "scores/Records.h"
#include "scores/ScoreFilePlace.h"
#include "scores/ScoreGrid.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableView;

namespace kluvian {

class Dialogs;
class ScoreGridModel;

// The score table window "Tabela mistrzów": a tool window that stays on top and is never
// modal, showing the ten best results in G2. Created hidden; showing and hiding it never
// changes the table.
class TFWynik final : public QWidget {
public:
    static constexpr int kClientWidth = 335;
    static constexpr int kClientHeight = 338;

    // Runs FormCreate. place says where the table is read and kept; randomBelow draws the
    // ranking's pivots; mainWindow (may be null) is the window the table is transient for and
    // that the first showing centres over; the table goes with it at the latest.
    // Failures of the load are shown through dialogs.ShowError.
    TFWynik(Dialogs& dialogs, RandomBelowFn randomBelow, ScoreFilePlace place, QWidget* mainWindow);
    // The table beside the executable; exeDir ends in '/'.
    TFWynik(Dialogs& dialogs, RandomBelowFn randomBelow, const std::string& exeDir,
            QWidget* mainWindow)
        : TFWynik(dialogs, std::move(randomBelow), BesideExecutable(exeDir), mainWindow) {}
    ~TFWynik() override;

    // The defaults, ScoreFilePath, and the table read from place.loadFrom, ranked, if that
    // file exists. A file that cannot be read is reported in the error box; what was read
    // before stays, the rest keeps the defaults, and the table is not ranked. Either way a
    // table short of 4 x 11 is completed with default cells.
    void FormCreate();

    // Sorts the result rows by score, highest first (as Dirgrp holds), renumbers the place
    // column "1".."n" from the top and makes the first result the current cell. Shows the
    // busy pointer meanwhile.
    void RankTable();

    // The end of a game's entry: the record over row 10, then RankTable. SaveTable merges
    // it into the table on disk.
    void EnterRecord(ScoreRecord record);

    // Saves the table to ScoreFilePath as SaveMergingRecords does, with the records entered
    // since the last save, and then shows the table written. Throws IoError; the table and
    // its records stay as they were then.
    void SaveTable();

    // "&Zamknij": hides the window, then hides the system pointer through HidePointer.
    // The close box only hides the window.
    void Button1Click();

    // The game's pointer-hiding call (the main window hides the pointer over its drawing).
    std::function<void()> hidePointer;

    // The selected index of the invisible direction group: 0 ascending, anything else
    // (1 unless changed, -1 with nothing selected) descending.
    int DirgrpItemIndex() const;

    const ScoreGrid& Grid() const { return grid_; }

    // Where the table is kept: place.saveTo.
    std::string ScoreFilePath;

    QTableView* G2 = nullptr;
    QGroupBox* Dirgrp = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ApplyColumnWidths();
    void SelectFirstResult();
    SortDirection Direction() const;

    Dialogs& dialogs_;
    RandomBelowFn randomBelow_;
    ScoreFilePlace place_;
    QPointer<QWidget> mainWindow_;
    ScoreGrid grid_;
    ScoreGridModel* model_ = nullptr;
    QRadioButton* ascending_ = nullptr;
    QRadioButton* descending_ = nullptr;
    bool placed_ = false;
    std::vector<ScoreRecord> entered_; // since the last save
};

} // namespace kluvian
