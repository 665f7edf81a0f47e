#include <gtest/gtest.h>

#include "core/stats_edits.h"
#include "core/stats_storage.h"

#include "core/calculation.h"
#include "core/inputs.h"
#include "core/readouts.h"
#include "core/startup.h"
#include "data/default_ships.h"
#include "data/file_io.h"
#include "data/stats_file.h"
#include "data/temp_dir.h"

namespace {

class PasteStatsBlockTest : public ::testing::Test {
  protected:
    PasteStatsBlockTest() {
        StartCore(state);
        SetInputs(state, 52, 53, "10");
        BeginStatsEdit(state);
    }
    const std::string& Cell(std::size_t row, Col column) const {
        return EditedStats(state)[row][column];
    }
    ProgramState state;
};

// From (52, Guns): the block's first field lands there, the next ones to the right and
// below; the last table row and the last column cut it off, names never change.
TEST_F(PasteStatsBlockTest, FillsRightAndDownWithinTheEditableCells) {
    const std::size_t guns = static_cast<std::size_t>(Col::Guns);
    ASSERT_EQ(PasteStatsBlock(state, 52, guns, "11\t12\r\n21\t22\r\n31\t32\r\n"), CellEdit::Stored);
    EXPECT_EQ(Cell(52, Col::Guns), "11");
    EXPECT_EQ(Cell(52, Col::Power), "12");
    EXPECT_EQ(Cell(53, Col::Guns), "21");
    EXPECT_EQ(Cell(53, Col::Power), "22");

    const std::size_t last = static_cast<std::size_t>(Col::ShipType);
    const std::string name = Cell(53, Col::ShipName);
    ASSERT_EQ(PasteStatsBlock(state, 53, last, "EMP\tcut off"), CellEdit::Stored);
    EXPECT_EQ(Cell(53, Col::ShipType), "EMP");
    ASSERT_EQ(PasteStatsBlock(state, 53, 0, "Renamed\t9"), CellEdit::Stored);
    EXPECT_EQ(Cell(53, Col::ShipName), name);
    EXPECT_EQ(Cell(53, Col::Race), "9");
}

// One bad cell anywhere in the block refuses all of it, results included.
TEST_F(PasteStatsBlockTest, ABadCellRefusesTheWholeBlock) {
    const std::size_t guns = static_cast<std::size_t>(Col::Guns);
    const std::string line = CurrentResultLine(state);
    const std::string before = Cell(52, Col::Guns);
    EXPECT_EQ(PasteStatsBlock(state, 52, guns, "99\t\"a\nb\""), CellEdit::LineBreak);
    EXPECT_EQ(PasteStatsBlock(state, 52, guns, "99\r\n5\xE2\x82\xAC"), CellEdit::NotLatin1);
    EXPECT_EQ(Cell(52, Col::Guns), before);
    EXPECT_EQ(CurrentResultLine(state), line);
    // Beyond the table, the same text is dropped, not refused.
    EXPECT_EQ(PasteStatsBlock(state, 53, guns, "99\r\n5\xE2\x82\xAC"), CellEdit::Stored);
    EXPECT_EQ(Cell(53, Col::Guns), "99");
    EXPECT_EQ(PasteStatsBlock(state, 52, guns, "caf\xC3\xA9"), CellEdit::Stored);
    EXPECT_EQ(Cell(52, Col::Guns), "caf\xE9");
}

constexpr std::size_t kGuns = static_cast<std::size_t>(Col::Guns);
constexpr std::size_t kPower = static_cast<std::size_t>(Col::Power);

// A typed cell and a pasted block are the same kind of change: the later one wins where
// they meet, the earlier one stays where they do not, and Save stores exactly the grid.
TEST_F(PasteStatsBlockTest, TypedThenPastedCellsSaveWhatTheGridShows) {
    TempDir dir;
    ASSERT_EQ(EditStatsCell(state, 10, kGuns, "5"), CellEdit::Stored);
    ASSERT_EQ(EditStatsCell(state, 12, kPower, "77"), CellEdit::Stored);
    // Over the first typed cell, beside the second.
    ASSERT_EQ(PasteStatsBlock(state, 10, kGuns, "8\t9\r\n6\t4\r\n"), CellEdit::Stored);
    EndStatsEdit(state);
    const SaveResult saved = SaveModifiedStatsFile(state, dir.File("S.txt"), "now");
    ASSERT_EQ(saved.Outcome, SaveOutcome::Saved) << saved.Message;

    ProgramState reread;
    ASSERT_EQ(ReadStatsFile(reread, dir.File("S.txt")), StatsFileRead::Whole);
    const ShipTable& table = StoredTable(reread);
    const std::pair<std::pair<std::size_t, Col>, const char*> expected[] = {
        {{10, Col::Guns}, "8"},  {{10, Col::Power}, "9"},  {{11, Col::Guns}, "6"},
        {{11, Col::Power}, "4"}, {{12, Col::Power}, "77"},
    };
    for (const auto& [cell, text] : expected) {
        EXPECT_EQ(table[cell.first][cell.second], text) << cell.first;
    }
    EXPECT_EQ(table[12][Col::Guns], DefaultShipTable()[12][Col::Guns]);
    EXPECT_TRUE(ReadBytes(dir.File("S.txt"))
                    .starts_with("Modified ShipStats.txt file. Last Edited... now\r\n"));
}

// Until Save the calculation and StoredStats keep the stored values; Cancel drops every
// edit; a save whose dialog was cancelled leaves the edits in the grid for a later save.
TEST_F(PasteStatsBlockTest, EditsReachTheCalculationOnlyThroughASave) {
    const std::string line = CurrentResultLine(state);
    const std::string guns = StoredTable(state)[52][Col::Guns];
    ASSERT_EQ(EditStatsCell(state, 52, kGuns, "999"), CellEdit::Stored);
    RecalculateAll(state);
    EXPECT_EQ(CurrentResultLine(state), line);
    EXPECT_EQ(StoredTable(state)[52][Col::Guns], guns);

    ShowStoredStatsInGrid(state);
    EXPECT_FALSE(EditingStats(state));
    EXPECT_EQ(Cell(52, Col::Guns), guns);
    EXPECT_EQ(EditStatsCell(state, 52, kGuns, "1"), CellEdit::NotEditing);
    EXPECT_EQ(PasteStatsBlock(state, 52, kGuns, "1"), CellEdit::NotEditing);
    EXPECT_EQ(Cell(52, Col::Guns), guns);

    BeginStatsEdit(state);
    ASSERT_EQ(EditStatsCell(state, 52, kGuns, "3"), CellEdit::Stored);
    EndStatsEdit(state);  // Save pressed, dialog cancelled
    EXPECT_EQ(Cell(52, Col::Guns), "3");
    BeginStatsEdit(state);
    EXPECT_EQ(Cell(52, Col::Guns), "3");
    StoreEditedStats(state, "t");
    EXPECT_FALSE(EditingStats(state));
    EXPECT_EQ(StoredTable(state)[52][Col::Guns], "3");
    RecalculateAll(state);
    EXPECT_EQ(CurrentCombat(state).AttackerGuns, 3);
}

}  // namespace
