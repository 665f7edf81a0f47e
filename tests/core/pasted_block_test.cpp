#include "core/pasted_block.h"

#include <gtest/gtest.h>

#include "core/inputs.h"
#include "core/readouts.h"
#include "core/startup.h"

namespace {

class PasteStatsBlockTest : public ::testing::Test {
  protected:
    PasteStatsBlockTest() {
        StartCore(state);
        SetInputs(state, 52, 53, "10");
    }
    const std::string& Cell(std::size_t row, Col column) const {
        return StoredTable(state)[row][column];
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

}  // namespace
