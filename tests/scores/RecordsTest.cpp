// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Records.h"

#include "scores/GridFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace kluvian {
namespace {

std::uint32_t FirstPivot(std::uint32_t) {
    return 0;
}

// One copy of the game: the table it read at its start and the records it entered since.
struct Copy {
    ScoreGrid table;
    std::vector<ScoreRecord> entered;

    explicit Copy(const std::string& path) {
        table = DefaultScoreTable();
        if (std::filesystem::exists(path))
            LoadGrid(table, path);
    }
    void Enter(ScoreRecord record) {
        EnterRecord(table, record, SortDirection::Descending, FirstPivot);
        entered.push_back(std::move(record));
    }
    ScoreGrid Save(const std::string& path) {
        table = SaveMergingRecords(path, table, entered, SortDirection::Descending, FirstPivot);
        entered.clear();
        return table;
    }
};

std::vector<std::string> NamesIn(const std::string& path) {
    ScoreGrid grid;
    LoadGrid(grid, path);
    std::vector<std::string> names;
    for (int r = 1; r < grid.RowCount(); ++r)
        names.push_back(grid.Cell(0, r) + " " + grid.Cell(1, r) + " " + grid.Cell(3, r));
    return names;
}

TEST(SaveMergingRecords, ACopyThatEnteredNothingKeepsTheRecordsAnotherCopySaved) {
    const test::TempDir dir;
    const std::string path = dir.File("wynik.ok");
    SaveGrid(DefaultScoreTable(), path);
    Copy first(path);
    Copy second(path);
    first.Enter({"Alfa", "01.02.2024", "50"});
    first.Save(path);
    const ScoreGrid written = second.Save(path);
    EXPECT_EQ(NamesIn(path).front(), "1 Alfa 50");
    EXPECT_EQ(NamesIn(path).back(), "10 Anonim9 1");
    EXPECT_EQ(written.Cell(1, 1), "Alfa"); // what the second copy now holds
    // Saving again adds nothing twice.
    first.Save(path);
    EXPECT_EQ(NamesIn(path).size(), 10u);
    EXPECT_EQ(NamesIn(path)[1], "2 Anonim1 8");
}

TEST(SaveMergingRecords, RecordsOfEveryCopyAreRankedTogetherAndTheTenBestKept) {
    const test::TempDir dir;
    const std::string path = dir.File("wynik.ok");
    Copy first(path); // no table on disk yet
    Copy second(path);
    first.Enter({"Alfa", "", "50"});
    first.Enter({"Beta", "", "2"});
    second.Enter({"Gamma", "", "70"});
    second.Enter({"Delta", "", "9"});
    first.Save(path); // writes its own table: there is none yet
    second.Save(path);
    std::vector<std::string> names = NamesIn(path);
    EXPECT_EQ(
        std::vector(names.begin(), names.begin() + 8),
        (std::vector<std::string>{"1 Gamma 70", "2 Alfa 50", "3 Delta 9", "4 Anonim1 8",
                                  "5 Anonim2 7", "6 Anonim3 6", "7 Anonim4 5", "8 Anonim5 4"}));
    // Equal scores take either order; Beta's 2 fell out as the tenth place rose.
    EXPECT_TRUE((names[8] == "9 Anonim6 3" && names[9] == "10 Anonim7 3") ||
                (names[8] == "9 Anonim7 3" && names[9] == "10 Anonim6 3"));
}

TEST(SaveMergingRecords, ADamagedTableIsKeptAsOldAndThisCopysTableWritten) {
    const test::TempDir dir;
    const std::string path = dir.File("wynik.ok");
    Copy copy(path);
    copy.Enter({"Alfa", "", "50"});
    dir.Write("wynik.ok", "four\r\n11\r\n");
    copy.Save(path);
    EXPECT_EQ(NamesIn(path).front(), "1 Alfa 50");
    std::ifstream old(path + ".old", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "four\r\n11\r\n");
}

} // namespace
} // namespace kluvian
