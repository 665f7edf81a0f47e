#include "core/stop_search.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "combat/random_table.h"
#include "core/inputs.h"
#include "core/startup.h"
#include "data/default_ships.h"

namespace {

// Ships killed, held or captured, by the full calculation the main window runs.
class Calculator {
  public:
    Calculator() { StartCore(m_state); }

    ShipTable& Table() { return m_state.ActiveStats; }
    ProgramState& State() { return m_state; }

    std::int64_t ResultAt(int attacker, int defender, std::int64_t ships) {
        SetInputs(m_state, attacker, defender, std::to_string(ships));
        return m_state.Combat.ShipsResult;
    }

    StopAnswer Stop(int attacker, int defender, std::int64_t wanted) {
        return FindStop(m_state, attacker, defender, wanted);
    }

  private:
    ProgramState m_state;
};

std::string Small(RandomText& random, int low, int high) {
    return std::to_string(low +
                          static_cast<int>(random.Pick(static_cast<std::size_t>(high - low + 1))));
}

// Small figures, so that a brute-force count of every fleet size stays short.
void ScrambleSmall(ShipTable& table, RandomText& random) {
    static const char* const kTypes[] = {"Normal", "EMP", "Steal", "PDS", "Special", "Cloaked"};
    static const char* const kClasses[] = {"Fi", "Co", "All", "-"};
    for (ShipRecord& ship : table) {
        ship[Col::Cl] = kClasses[random.Pick(2)];
        ship[Col::T1] = kClasses[random.Pick(4)];
        ship[Col::T2] = kClasses[random.Pick(4)];
        ship[Col::T3] = kClasses[random.Pick(4)];
        ship[Col::ShipType] = kTypes[random.Pick(6)];
        ship[Col::Guns] = Small(random, -1, 6);
        ship[Col::WPSP] = Small(random, -30, 40);
        ship[Col::Ag] = Small(random, 0, 40);
        ship[Col::Power] = Small(random, -2, 8);
        ship[Col::Armor] = Small(random, -5, 40);
        ship[Col::EMPRes] = Small(random, 0, 120);
    }
}

void ExpectMinimal(Calculator& calc, int attacker, int defender, std::int64_t wanted,
                   const StopAnswer& answer) {
    ASSERT_EQ(answer.Block, StopBlock::None);
    ASSERT_GE(answer.Ships, 1);
    EXPECT_GE(calc.ResultAt(attacker, defender, answer.Ships), wanted);
    EXPECT_EQ(calc.ResultAt(attacker, defender, answer.Ships), answer.Result);
    EXPECT_LT(calc.ResultAt(attacker, defender, answer.Ships - 1), wanted);
    EXPECT_EQ(calc.ResultAt(attacker, defender, answer.Ships - 1), answer.ResultOneFewer);
}

}  // namespace

TEST(StopSearch, AgreesWithCountingEveryFleetSizeOnSmallTables) {
    RandomText random(99);
    Calculator calc;
    constexpr std::int64_t kLargestTried = 400;
    int found = 0;
    for (int round = 0; round < 300; ++round) {
        if (round % 30 == 0) {
            ScrambleSmall(calc.Table(), random);
        }
        const int attacker = static_cast<int>(random.Pick(kShipCount));
        const int defender = static_cast<int>(random.Pick(kShipCount));
        const std::int64_t wanted = 1 + static_cast<std::int64_t>(random.Pick(30));
        std::int64_t fewest = 0;
        while (fewest <= kLargestTried && calc.ResultAt(attacker, defender, fewest) < wanted) {
            ++fewest;
        }
        const StopAnswer answer = calc.Stop(attacker, defender, wanted);
        if (fewest <= kLargestTried) {
            ++found;
            EXPECT_EQ(answer.Block, StopBlock::None);
            EXPECT_EQ(answer.Ships, fewest) << "row " << attacker << " v row " << defender;
        } else if (answer.Block == StopBlock::None) {
            EXPECT_GT(answer.Ships, kLargestTried);
        }
    }
    EXPECT_GT(found, 50);  // the tables must give the search real work
}

TEST(StopSearch, AnswerOnRandomTablesIsMinimalOrHonestlyRefused) {
    RandomText random(2718);
    Calculator calc;
    for (int round = 0; round < 2000; ++round) {
        if (round % 50 == 0) {
            Scramble(calc.Table(), random);
        }
        const int attacker = static_cast<int>(random.Pick(kShipCount));
        const int defender = static_cast<int>(random.Pick(kShipCount));
        const std::int64_t wanted = 1 + static_cast<std::int64_t>(random.Pick(1000000));
        const StopAnswer answer = calc.Stop(attacker, defender, wanted);
        if (answer.Block == StopBlock::None) {
            ExpectMinimal(calc, attacker, defender, wanted, answer);
            EXPECT_LE(answer.Ships, answer.Limit);
            continue;
        }
        const std::int64_t atLimit = calc.ResultAt(attacker, defender, answer.Limit);
        EXPECT_EQ(atLimit, answer.ResultAtLimit);
        EXPECT_LT(atLimit, wanted);
        EXPECT_EQ(answer.Block == StopBlock::BeyondRange, atLimit > 0);
        // Nowhere below the limit does a count do better than at the limit.
        const std::int64_t probe = 1 + static_cast<std::int64_t>(random.Pick(1000000)) %
                                           std::max<std::int64_t>(answer.Limit, 1);
        EXPECT_LE(calc.ResultAt(attacker, defender, probe), std::max<std::int64_t>(atLimit, 0));
    }
}

// The search relies on this: up to the limit, a larger fleet never achieves less.
TEST(StopSearch, ResultNeverFallsWithTheCountBelowTheLimit) {
    RandomText random(314);
    Calculator calc;
    for (int round = 0; round < 3000; ++round) {
        if (round % 50 == 0) {
            Scramble(calc.Table(), random);
        }
        const int attacker = static_cast<int>(random.Pick(kShipCount));
        const int defender = static_cast<int>(random.Pick(kShipCount));
        const StopAnswer answer = calc.Stop(attacker, defender, 1);
        if (answer.ResultAtLimit <= 0) {
            continue;
        }
        const auto counts = static_cast<std::size_t>(answer.Limit) + 1;
        auto a = static_cast<std::int64_t>(random.Pick(counts));
        auto b = static_cast<std::int64_t>(random.Pick(counts));
        if (a > b) {
            std::swap(a, b);
        }
        EXPECT_LE(calc.ResultAt(attacker, defender, a), calc.ResultAt(attacker, defender, b))
            << a << " and " << b << " ships, row " << attacker << " v row " << defender;
    }
}

TEST(StopSearch, FiguresThatWrapBeforeTheGoalAreReportedAsBeyondRange) {
    Calculator calc;
    ShipRecord& a = calc.Table()[0];
    ShipRecord& d = calc.Table()[1];
    a[Col::T1] = "All";
    a[Col::ShipType] = "Normal";
    a[Col::Guns] = "2147483647";
    a[Col::WPSP] = "2147483000";
    a[Col::Power] = "1";
    d[Col::Ag] = "0";
    d[Col::Armor] = "2147483647";
    const StopAnswer answer = calc.Stop(0, 1, 1000000000);
    EXPECT_EQ(answer.Block, StopBlock::BeyondRange);
    EXPECT_EQ(answer.Limit, 2);  // 2^63 / (2^31 x 2^31) rounded down
    EXPECT_GT(answer.ResultAtLimit, 0);
    // One count past the limit the product wraps: the table's figure is no true count.
    EXPECT_LT(calc.ResultAt(0, 1, answer.Limit + 1), answer.ResultAtLimit);
}

TEST(StopSearch, NamesWhyNoCountCanStopThem) {
    Calculator calc;
    ShipRecord& a = calc.Table()[0];
    ShipRecord& d = calc.Table()[1];
    const auto blockWith = [&](const char* type, const char* t1, const char* defType) {
        a[Col::ShipType] = type;
        a[Col::T1] = t1;
        d[Col::ShipType] = defType;
        return calc.Stop(0, 1, 1).Block;
    };
    a[Col::T2] = a[Col::T3] = "-";
    d[Col::Cl] = "Fi";
    a[Col::Guns] = a[Col::Power] = "3";
    a[Col::WPSP] = "10";
    d[Col::Ag] = "5";
    d[Col::Armor] = "6";
    d[Col::EMPRes] = "40";
    EXPECT_EQ(blockWith("Normal", "Co", "Normal"), StopBlock::NotATarget);
    EXPECT_EQ(blockWith("EMP", "Fi", "PDS"), StopBlock::PdsImmune);
    EXPECT_EQ(blockWith("Special", "Fi", "Normal"), StopBlock::Pods);
    EXPECT_EQ(blockWith("PDS", "Fi", "PDS"), StopBlock::PdsVsPds);
    EXPECT_EQ(blockWith("Normal", "Fi", "Normal"), StopBlock::None);
    a[Col::Power] = "0";
    EXPECT_EQ(blockWith("Normal", "Fi", "Normal"), StopBlock::NoGunPower);
    a[Col::Power] = "3";
    a[Col::WPSP] = "-100";
    EXPECT_EQ(blockWith("Steal", "Fi", "Normal"), StopBlock::NoHitChance);
    d[Col::EMPRes] = "100";
    EXPECT_EQ(blockWith("EMP", "Fi", "Normal"), StopBlock::EmpResisted);
    a[Col::Guns] = "0";
    EXPECT_EQ(blockWith("EMP", "Fi", "Normal"), StopBlock::NoGuns);
    a[Col::Guns] = "-3";
    a[Col::WPSP] = "10";
    EXPECT_EQ(blockWith("Normal", "Fi", "Normal"), StopBlock::NegativeFigures);
}

// The reason every front end gives names the pairing and the figures that decide it.
TEST(StopSearch, SaysWhyInTheTablesOwnNamesAndFigures) {
    Calculator calc;
    ShipRecord& a = calc.Table()[0];
    ShipRecord& d = calc.Table()[1];
    a[Col::ShipName] = "Gnat";
    a[Col::T1] = "Bs";
    a[Col::T2] = "Cr";
    a[Col::T3] = "-";
    d[Col::ShipName] = "Moth";
    d[Col::Cl] = "Fi";
    EXPECT_EQ(BlockText(StopBlock::NotATarget, calc.Table(), 0, 1, 0),
              "Moth (class Fi) is not a target of Gnat (targets Bs, Cr, -)");
    EXPECT_EQ(BlockText(StopBlock::EmpResisted, calc.Table(), 0, 1, 0),
              "Moth resists EMP fully (EMP Res 100 or more)");
    EXPECT_EQ(BlockText(StopBlock::BeyondRange, calc.Table(), 0, 1, 4096)
                  .rfind("only more than 4096 ships could: ", 0),
              0U);
    EXPECT_EQ(BlockText(StopBlock::None, calc.Table(), 0, 1, 0), "");
    EXPECT_STREQ(VariantVerb(CombatVariantValue::Emp), "hold");
    EXPECT_STREQ(VariantVerb(CombatVariantValue::Capture), "capture");
    EXPECT_STREQ(VariantVerb(CombatVariantValue::Kill), "kill");
    EXPECT_STREQ(VariantVerb(CombatVariantValue::Pods), "stop");
}

TEST(StopSearch, NegativeGunsAgainstNegativeArmourStillKill) {
    Calculator calc;
    ShipRecord& a = calc.Table()[0];
    ShipRecord& d = calc.Table()[1];
    a[Col::ShipType] = "Normal";
    a[Col::T1] = "All";
    a[Col::Guns] = "-2";
    a[Col::WPSP] = "15";
    a[Col::Power] = "4";
    d[Col::Ag] = "0";
    d[Col::Armor] = "-10";  // hits needed -2 + 1 = -1: negative hits give positive kills
    const StopAnswer answer = calc.Stop(0, 1, 7);
    ExpectMinimal(calc, 0, 1, 7, answer);
    EXPECT_EQ(answer.Ships, 9);  // 9 x -2 x 40 / 100 = -7 hits, / -1 = 7
}

TEST(StopSearch, BuiltInPairingNeedsTheCountTheWindowConfirms) {
    Calculator calc;
    // Dreadnought against Sovereign: 1000 kill 544.
    EXPECT_EQ(calc.ResultAt(11, 10, 1000), 544);
    const StopAnswer answer = calc.Stop(11, 10, 544);
    ExpectMinimal(calc, 11, 10, 544, answer);
    EXPECT_LE(answer.Ships, 1000);
}
