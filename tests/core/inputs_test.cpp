#include "core/inputs.h"

#include <gtest/gtest.h>

#include "combat/combat_fixture.h"
#include "core/readouts.h"

namespace {

// Alpha (row 0: Fi, 3 guns, rate 35 against Beta, 3 hits a kill) and Beta (row 1: Co).
// A tick of n Alphas kills floor(floor(3n x 35 / 100) / 3) Betas.
class InputsTest : public CombatTest {
  protected:
    InputsTest() {
        const std::pair<Col, const char*> alpha[] = {
            {Col::ShipType, "Normal"}, {Col::Guns, "3"},    {Col::WPSP, "30"},
            {Col::Power, "4"},         {Col::Cl, "Fi"},     {Col::Init, "12"},
            {Col::T1, "Co"},           {Col::T2, "-"},      {Col::T3, "-"},
            {Col::Metal, "35"},        {Col::Crystal, "0"}, {Col::Eon, "0"}};
        const std::pair<Col, const char*> beta[] = {
            {Col::ShipType, "Normal"}, {Col::Ag, "20"},     {Col::Armor, "10"},
            {Col::EMPRes, "50"},       {Col::Cl, "Co"},     {Col::Init, "8"},
            {Col::Metal, "57"},        {Col::Crystal, "0"}, {Col::Eon, "0"}};
        for (const auto& [column, text] : alpha) {
            Attacker()[column] = text;
        }
        for (const auto& [column, text] : beta) {
            Defender()[column] = text;
        }
        state.ActiveStats = state.StoredStats;
        state.Ui = &counter;
    }

    struct : Frontend {
        int calculations = 0;
        void ShowCurrentResult() override { ++calculations; }
    } counter;
};

}  // namespace

TEST(CountNotice, NamesWhatTheCalculationMakesOfNoNumber) {
    EXPECT_EQ(CountNotice("1000"), "");
    EXPECT_EQ(CountNotice("  -7"), "");
    EXPECT_EQ(CountNotice("$10"), "");
    EXPECT_EQ(CountNotice(""), "");
    EXPECT_EQ(CountNotice("1000x"), "Not a whole number: counts as 0 ships");
    EXPECT_EQ(CountNotice("12 ships"), "Not a whole number: counts as 0 ships");
    EXPECT_EQ(CountNotice("-"), "Not a whole number: counts as 0 ships");
    EXPECT_EQ(CountNotice("9223372036854775808"), "Beyond the 64-bit range: counts as 0 ships");
    EXPECT_EQ(CountNotice("-9223372036854775809"), "Beyond the 64-bit range: counts as 0 ships");
}

TEST(SteppedCountText, ReadsAsTheCountBoxAndWraps) {
    struct Case {
        const char* text;
        std::int64_t amount;
        const char* stepped;
    };
    const Case cases[] = {
        {"0", 1, "1"},
        {"9", 10, "19"},
        {"5", -10, "-5"},
        {"-1", 1, "0"},
        {"12 ships", 1, "1"},
        {"", -1, "-1"},
        {"  7", 1, "8"},
        {"$10", 1, "17"},
        {"0x10", -1, "15"},
        {"9223372036854775807", 1, "-9223372036854775808"},
        {"-9223372036854775808", -10, "9223372036854775798"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SteppedCountText(c.text, c.amount), c.stepped) << c.text << " + " << c.amount;
    }
}

TEST_F(InputsTest, EachInputCalculatesOnceWithTheOthersKept) {
    SetInputs(state, 0, 1, "100");
    EXPECT_EQ(CurrentResultLine(state),
              "100 Alpha will kill 35 Beta, Fi v Co,  Init 12 v 8, Tar- T1, AttResEff = 57%");
    StepCount(state, -10);
    EXPECT_EQ(CountText(state), "90");
    EXPECT_EQ(CurrentResults(state).DefShips, "31");
    SetCountText(state, "20");
    EXPECT_EQ(CurrentResults(state).DefShips, "7");
    EXPECT_EQ(CurrentResults(state).CombatText, " will kill");
    SelectDefender(state, 0);
    EXPECT_EQ(CurrentCombat(state).DefenderRow, 0);
    EXPECT_EQ(CurrentResults(state).TargetText, "Tar- NA");
    SelectAttacker(state, 1);
    EXPECT_EQ(CurrentCombat(state).AttackerRow, 1);
    EXPECT_EQ(CurrentCombat(state).AttackerShips, 20);
    EXPECT_EQ(SelectedDefender(state), 0);
    EXPECT_EQ(counter.calculations, 5);
}

TEST_F(InputsTest, SwapTradesPlacesInOneCalculation) {
    SetInputs(state, 0, 1, "20");
    const std::string before = CurrentResultLine(state);
    SwapShips(state);
    EXPECT_EQ(counter.calculations, 2);
    EXPECT_EQ(SelectedAttacker(state), 1);
    EXPECT_EQ(SelectedDefender(state), 0);
    EXPECT_EQ(CountText(state), "20");
    EXPECT_EQ(CurrentCombat(state).AttackerRow, 1);
    EXPECT_EQ(CurrentCombat(state).DefenderRow, 0);
    EXPECT_TRUE(CurrentResultLine(state).starts_with("20 Beta ")) << CurrentResultLine(state);
    SwapShips(state);
    EXPECT_EQ(CurrentResultLine(state), before);
}

TEST_F(InputsTest, ShipNamesFollowTheActiveTable) {
    const std::vector<std::string> names = ShipNames(state);
    ASSERT_EQ(names.size(), kShipCount);
    EXPECT_EQ(names[0], "Alpha");
    EXPECT_EQ(names[1], "Beta");
    EXPECT_EQ(names[53], state.ActiveStats[53][Col::ShipName]);
}
