#include <gtest/gtest.h>

#include <string>

#include "reports/report_fixture.h"

namespace {

class BasicStatsReportTest : public ReportTest {
  protected:
    const ReportLines& AttackerText() { return Text(Report::BasicStatsAtt); }
    const ReportLines& DefenderText() { return Text(Report::BasicStatsDef); }
};

}  // namespace

TEST_F(BasicStatsReportTest, ShowsEveryCellUnderItsLabel) {
    Fight("100");
    const ReportLines expected = {
        " Attacker - Alpha",
        "",
        " Basic Stats for the Alpha",
        "     Race              Aur",
        "     Class             Fi",
        "     Pri Target        Co",
        "     Sec Target        Fr",
        "     Ter Target        Fi",
        "     Initiiative       1",
        "     Agility           41",
        "     Wpn Speed         32",
        "     Guns              3",
        "     Power             4",
        "     Armor             7",
        "     EMP Res           22",
        "     Metal             750",
        "     Crystal           550",
        "     Eonium            0",
        "     Fuel              40",
        "     ETA               2",
        "     Type              Normal",
    };
    EXPECT_EQ(AttackerText(), expected);
    ASSERT_EQ(DefenderText().size(), 21U);
    EXPECT_EQ(DefenderText()[0], " Defender - Beta");
    EXPECT_EQ(DefenderText()[2], " Basic Stats for the Beta");
    EXPECT_EQ(DefenderText()[4], "     Class             Co");
}

TEST_F(BasicStatsReportTest, CellsAreShownAsStoredAfterA23CharacterLabel) {
    Attacker()[Col::T2] = "-";
    Attacker()[Col::Guns] = " 0x1F";
    Defender().fields.fill("");
    Fight("100");
    EXPECT_EQ(AttackerText()[6], "     Sec Target        -");
    EXPECT_EQ(AttackerText()[11], "     Guns               0x1F");

    const ReportLines& empty = DefenderText();
    ASSERT_EQ(empty.size(), 21U);
    EXPECT_EQ(empty[0], " Defender - ");
    EXPECT_EQ(empty[2], " Basic Stats for the ");
    EXPECT_EQ(empty[18], "     Fuel              ");
    for (std::size_t i = 3; i < empty.size(); ++i) {
        EXPECT_EQ(empty[i].size(), 23U) << empty[i];
        EXPECT_EQ(empty[i].substr(0, 5), "     ") << empty[i];
        EXPECT_NE(empty[i][5], ' ') << empty[i];
    }
}

TEST_F(BasicStatsReportTest, SameShipOnBothSidesDiffersOnlyInTheFirstLine) {
    state.Inputs.DefShipListIndex = kAttacker;
    Fight("100");
    ASSERT_EQ(DefenderText().size(), AttackerText().size());
    EXPECT_EQ(DefenderText()[0], " Defender - Alpha");
    EXPECT_EQ(AttackerText()[0], " Attacker - Alpha");
    EXPECT_TRUE(
        std::equal(AttackerText().begin() + 1, AttackerText().end(), DefenderText().begin() + 1));
}
