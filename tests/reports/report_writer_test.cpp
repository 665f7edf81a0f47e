#include <gtest/gtest.h>

#include "reports/report_fixture.h"
#include "reports/report_texts.h"

TEST(ReportWriter, ShorterTextDropsTheOldTailAndLongerTextGrows) {
    ReportLines lines;
    {
        ReportWriter w(lines);
        w.Add("one ", std::string("two"), std::string_view(" three"));
        w.Line();
        w.Add("last");
    }
    EXPECT_EQ(lines, (ReportLines{"one two three", "", "last"}));
    {
        ReportWriter w(lines);
        w.Add("only");
    }
    EXPECT_EQ(lines, (ReportLines{"only"}));
    { ReportWriter w(lines); }
    EXPECT_TRUE(lines.empty());
}

TEST_F(ReportTest, WalkthroughShrinksFromAKillToNoTarget) {
    Fight("100");
    ASSERT_EQ(Text(Report::Calculation).size(), 29u);
    Attacker()[Col::T1] = "-";
    Attacker()[Col::T2] = "-";
    Attacker()[Col::T3] = "-";
    Fight("100");
    EXPECT_EQ(
        Text(Report::Calculation),
        (ReportLines{" " + state.Combat.ResultLine, " The calculation is carried out as follows",
                     "", " Not a Target so no combat takes place."}));
}
