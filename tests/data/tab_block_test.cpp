#include "data/tab_block.h"

#include <gtest/gtest.h>

// The rows as spreadsheets and web tables hand them over; the grid's Qt tests check the
// placing on top of these.
TEST(TabBlock, SplitsRowsAndFieldsAsSpreadsheetsWriteThem) {
    const std::pair<const char*, BlockRows> cases[] = {
        {"", {}},
        {"7", {{"7"}}},
        {"1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}},
        {"1\n2\r3", {{"1"}, {"2"}, {"3"}}},
        {"a\t\tb", {{"a", "", "b"}}},
        {"a\n\nb", {{"a"}, {""}, {"b"}}},
        {"\r\n", {{""}}},
        {"\"x\ty\"\tz", {{"x\ty", "z"}}},
        {"\"say \"\"hi\"\"\"", {{"say \"hi\""}}},
        {"\"two\nlines\"\t1", {{"two\nlines", "1"}}},
        {"\"open\tfield", {{"\"open", "field"}}},
        {"ab\"c\"", {{"ab\"c\""}}},
        // A doubled quote just before a tab or a line end closes nothing: with no quote
        // after it the field is plain text; a third quote closes it.
        {"\"a\"\"\tb", {{"\"a\"\"", "b"}}},
        {"\"a\"\"\nb", {{"\"a\"\""}, {"b"}}},
        {"\"a\"\"\r\n", {{"\"a\"\""}}},
        {"\"a\"\"\"\tb", {{"a\"", "b"}}},
        {"\"a\"\"\"\nb", {{"a\""}, {"b"}}},
        {"\"a\"\"\"\r\n", {{"a\""}}},
    };
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(SplitTabText(text), rows) << text;
    }
}

TEST(TabBlock, RefusesOnlyWhatACellWouldTake) {
    constexpr BlockArea kEditable{{1, 1}, {2, 2}};
    const BlockPaste placed = PlacePastedBlock("caf\xC3\xA9\t\xE2\x82\xAC", {1, 2}, kEditable);
    EXPECT_EQ(placed.refusal, PasteRefusal::None);
    ASSERT_EQ(placed.cells.size(), 1U);
    EXPECT_EQ(placed.cells[0].text, "caf\xE9");
    EXPECT_EQ(PlacePastedBlock("1\t\xE2\x82\xAC", {1, 1}, kEditable).refusal,
              PasteRefusal::NotLatin1);
    EXPECT_EQ(PlacePastedBlock("\"a\nb\"\t\xE2\x82\xAC", {1, 1}, kEditable).refusal,
              PasteRefusal::LineBreakInCell);
    EXPECT_TRUE(PlacePastedBlock("1\t\xE2\x82\xAC", {1, 1}, kEditable).cells.empty());
}

TEST(TabBlock, CopiedBlockPastesBackUnchanged) {
    const BlockRows rows{{"\"q\"", "t\tu", ""}, {"5\"", "x", "\xC3\xA9"}};
    const std::string text = CopiedBlockText(rows);
    EXPECT_EQ(text, "\"\"\"q\"\"\"\t\"t\tu\"\t\r\n5\"\tx\t\xC3\xA9\r\n");
    EXPECT_EQ(SplitTabText(text), rows);
}
