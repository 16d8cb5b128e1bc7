// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/TFWynik.h"

#include "platform/Fonts.h"
#include "scores/GridFile.h"
#include "scores/ScoreGridModel.h"
#include "scores/ScoreTable.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "support/Windows.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

std::uint32_t FirstPivot(std::uint32_t) {
    return 0;
}

// A table beside an executable in dir, and its window.
struct Shown {
    ScoreTable table;
    TFWynik window;
    Shown(const test::TempDir& dir, Dialogs& dialogs, QWidget* mainWindow = nullptr)
        : table(BesideExecutable(dir.Path()), FirstPivot), window(table, dialogs, mainWindow) {}
};

QString ShownCell(const TFWynik& table, int column, int row) {
    return table.G2->model()->index(row, column).data().toString();
}

TEST(TFWynik, IsAFixedToolWindowThatStaysOnTopWithItsControls) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    Shown shown(dir, dialogs);
    TFWynik& table = shown.window;
    EXPECT_EQ(table.windowTitle(), QString::fromUtf8("Tabela mistrzów"));
    const Qt::WindowFlags flags = table.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(table.minimumSize(), QSize(335, 338));
    EXPECT_EQ(table.maximumSize(), QSize(335, 338));
    EXPECT_TRUE(table.font().bold());
    EXPECT_EQ(table.font().pixelSize(), 13);
    EXPECT_EQ(table.font(), SansSerifBold()); // the one "MS Sans Serif" of the game's windows
    EXPECT_FALSE(table.isVisible());

    EXPECT_EQ(table.G2->geometry(), QRect(8, 8, 319, 289));
    EXPECT_EQ(table.Button1->geometry(), QRect(128, 304, 75, 25));
    EXPECT_EQ(table.Button1->text(), "&Zamknij");
    EXPECT_EQ(table.Dirgrp->title(), " DirGrip ");
    EXPECT_EQ(table.Dirgrp->geometry(), QRect(0, 224, 89, 57));
    EXPECT_TRUE(table.Dirgrp->isHidden());
    EXPECT_EQ(table.DirgrpItemIndex(), 1);
    EXPECT_EQ(shown.table.ScoreFilePath(), dir.Path() + "wynik.ok");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(TFWynik, ShowsTheDefaultTableWithYellowFixedCellsAllVisibleAndNothingEditable) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    Shown shown(dir, dialogs);
    TFWynik& table = shown.window;
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));

    EXPECT_EQ(ShownCell(table, 0, 0), "Lp.");
    EXPECT_EQ(ShownCell(table, 1, 0), "Nazwa Gracza");
    EXPECT_EQ(ShownCell(table, 2, 0), " Data  ");
    EXPECT_EQ(ShownCell(table, 3, 0), " Wynik ");
    EXPECT_EQ(ShownCell(table, 1, 10), "Ostatni");
    EXPECT_EQ(ShownCell(table, 0, 10), "10");
    EXPECT_EQ(table.G2->columnWidth(1) - table.G2->columnWidth(0), 136 - 30);
    EXPECT_EQ(table.G2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(table.G2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    const QAbstractItemModel& model = *table.G2->model();
    EXPECT_EQ(model.flags(model.index(0, 2)) & Qt::ItemIsSelectable, 0);
    EXPECT_EQ(model.flags(model.index(5, 0)) & Qt::ItemIsSelectable, 0);
    EXPECT_NE(model.flags(model.index(5, 1)) & Qt::ItemIsSelectable, 0);
    for (const auto& index : {model.index(0, 0), model.index(4, 2)})
        EXPECT_EQ(model.flags(index) & Qt::ItemIsEditable, 0);
    // Typing into a cell changes nothing.
    table.G2->setCurrentIndex(model.index(4, 1));
    QTest::keyClicks(table.G2, "xyz");
    QTest::keyClick(table.G2, Qt::Key_F2);
    QTest::keyClick(table.G2, Qt::Key_Return);
    EXPECT_EQ(ShownCell(table, 1, 4), "Anonim4");
    EXPECT_EQ(table.Grid(), DefaultScoreTable());

    // Every row lies inside the grid, and the pixels show yellow fixed cells and white ones.
    const QRect viewport = table.G2->viewport()->rect();
    const QRect lastCell = table.G2->visualRect(model.index(10, 3));
    EXPECT_TRUE(viewport.contains(lastCell)) << lastCell.x() << "," << lastCell.bottom();
    const QImage image = table.G2->viewport()->grab().toImage();
    const auto colourIn = [&](int row, int column) {
        const QRect cell = table.G2->visualRect(model.index(row, column));
        return QColor(image.pixel(cell.right() - 4, cell.top() + 3));
    };
    EXPECT_EQ(colourIn(0, 3), QColor(Qt::yellow));
    EXPECT_EQ(colourIn(7, 0), QColor(Qt::yellow));
    EXPECT_EQ(colourIn(7, 2), QColor(Qt::white));
    const QRect cell = table.G2->visualRect(model.index(7, 2));
    EXPECT_NE(QColor(image.pixel(cell.right(), cell.center().y())), QColor(Qt::white));
    EXPECT_NE(QColor(image.pixel(cell.right() - 1, cell.center().y())), QColor(Qt::white));
}

TEST(TFWynik, ZamknijAndTheCloseBoxOnlyHideAndShowingTwiceChangesNothing) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 800, 600);
    Shown shown(dir, dialogs, &mainWindow);
    TFWynik& table = shown.window;
    const QSignalSpy closed(&table, &TFWynik::Closed);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    if (test::WindowPositionsAreTheClients()) { // on Wayland the compositor places it
        const QPoint offCentre = table.geometry().center() - mainWindow.frameGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 40) << offCentre.x() << "," << offCentre.y();
    }
    table.show();
    EXPECT_TRUE(table.isVisible());
    QTest::keyClick(&table, Qt::Key_Escape);
    EXPECT_TRUE(table.isVisible());

    QTest::mouseClick(table.Button1, Qt::LeftButton);
    EXPECT_FALSE(table.isVisible());
    EXPECT_EQ(closed.count(), 1);
    table.show();
    EXPECT_TRUE(table.isVisible());
    EXPECT_TRUE(table.close());
    EXPECT_FALSE(table.isVisible());
    EXPECT_EQ(closed.count(), 1); // the close box only hides
    table.show();
    QTest::mouseClick(table.Button1, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 2); // once for every press
    EXPECT_FALSE(table.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(table.testAttribute(Qt::WA_QuitOnClose));
    table.show();
    EXPECT_EQ(table.Grid(), DefaultScoreTable());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(TFWynik, LoadsAndRanksTheFileBesideTheExecutable) {
    const test::TempDir dir;
    ScoreGrid onFile = DefaultScoreTable();
    onFile.SetCell(1, 10, "\xA3ucja");
    onFile.SetCell(3, 10, "50");
    onFile.SetCell(0, 10, "stale");
    SaveGrid(onFile, dir.File("wynik.ok"));
    RecordingDialogs dialogs;
    Shown shown(dir, dialogs);
    TFWynik& table = shown.window;
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(table.Grid().Cell(1, 1), "\xA3ucja");
    EXPECT_EQ(ShownCell(table, 1, 1), QString::fromUtf8("Łucja"));
    EXPECT_EQ(table.Grid().Cell(1, 2), "Anonim1");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(table.Grid().Cell(0, r), std::to_string(r));
    EXPECT_EQ(table.G2->currentIndex(), table.G2->model()->index(1, 1));
    // What is entered shows at once.
    shown.table.Enter({"Ola", "", "60"});
    EXPECT_EQ(ShownCell(table, 1, 1), "Ola");
    EXPECT_EQ(table.G2->currentIndex(), table.G2->model()->index(1, 1));
}

TEST(TFWynik, ADamagedFileIsReportedAndLeavesTheRestUnrankedDefaultsInFourColumns) {
    const test::TempDir dir;
    dir.Write("wynik.ok", "3\r\nmany\r\n");
    RecordingDialogs dialogs;
    Shown shown(dir, dialogs);
    TFWynik& table = shown.window;
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Invalid numeric input.");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
    EXPECT_EQ(dialogs.shown[0].caption, "");
    EXPECT_EQ(table.Grid(), DefaultScoreTable()); // its 3 columns completed to 4
    EXPECT_EQ(table.G2->model()->columnCount(), 4);
}

TEST(TFWynik, AShortTableIsCompletedWithDefaultCellsAndKeepsWhatItHad) {
    const test::TempDir dir;
    dir.Write("wynik.ok", "2\r\n3\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
    RecordingDialogs dialogs;
    Shown shownSmall(dir, dialogs);
    TFWynik& small = shownSmall.window;
    EXPECT_TRUE(dialogs.shown.empty());
    const ScoreGrid& grid = small.Grid();
    ASSERT_EQ(small.G2->model()->rowCount(), 11);
    ASSERT_EQ(small.G2->model()->columnCount(), 4);
    EXPECT_EQ(grid.FixedRows(), 1); // the header row does not take part in the ranking
    EXPECT_EQ(grid.Cell(1, 0), "d");
    EXPECT_EQ(grid.Cell(3, 0), " Wynik ");
    // The file's rows 1 and 2 take the default scores 8 and 7, so they stay on top.
    EXPECT_EQ(ShownCell(small, 1, 1), "e");
    EXPECT_EQ(ShownCell(small, 3, 1), "8");
    EXPECT_EQ(ShownCell(small, 1, 10), "Ostatni");

    // More columns than four stay; the missing rows come from the defaults.
    dir.Write("wynik.ok", "5\r\n1\r\nA\r\nB\r\nC\r\nD\r\nE\r\n");
    Shown shownWide(dir, dialogs);
    TFWynik& wide = shownWide.window;
    EXPECT_EQ(wide.Grid().Cell(4, 0), "E");
    EXPECT_EQ(wide.Grid().Cell(1, 10), "Ostatni");
}

} // namespace
} // namespace kluvian
