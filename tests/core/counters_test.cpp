#include "core/counters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "combat/random_table.h"
#include "core/inputs.h"
#include "core/startup.h"
#include "data/default_ships.h"
#include "data/int_text.h"

namespace {

WideInt PerShip(const ShipRecord& ship, Col column) {
    return Widen(ToInt64Or(ship[column], 0));
}

void ExpectRankingHolds(ProgramState& state, int defender, std::int64_t wanted,
                        const std::vector<Counter>& ranking) {
    const ShipTable table = state.ActiveStats;
    ASSERT_EQ(ranking.size(), kShipCount);
    std::set<int> rows;
    bool blockedSeen = false;
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        const Counter& c = ranking[i];
        rows.insert(c.Row);
        const bool stops = c.Stop.Block == StopBlock::None;
        EXPECT_FALSE(stops && blockedSeen) << "a fleet that stops them after one that cannot";
        blockedSeen = blockedSeen || !stops;
        if (i > 0) {
            const Counter& before = ranking[i - 1];
            const bool beforeStops = before.Stop.Block == StopBlock::None;
            if (stops && beforeStops) {
                EXPECT_TRUE(before.Cost.Total < c.Cost.Total ||
                            (before.Cost.Total == c.Cost.Total && before.Row < c.Row));
            }
            if (!stops && !beforeStops) {
                EXPECT_LT(before.Row, c.Row);
            }
        }
        if (!stops) {
            continue;
        }
        const ShipRecord& ship = table[static_cast<std::size_t>(c.Row)];
        const WideInt ships = Widen(c.Stop.Ships);
        EXPECT_TRUE(c.Cost.Metal == ships * PerShip(ship, Col::Metal));
        EXPECT_TRUE(c.Cost.Total ==
                    ships * (PerShip(ship, Col::Metal) + PerShip(ship, Col::Crystal) +
                             PerShip(ship, Col::Eon)));
        // The count, what it achieves and the efficiency as the main window shows them.
        SetInputs(state, c.Row, defender, std::to_string(c.Stop.Ships));
        EXPECT_GE(state.Combat.ShipsResult, wanted);
        EXPECT_EQ(state.Combat.ShipsResult, c.Stop.Result);
        EXPECT_EQ(state.Combat.EfficiencyText, c.EfficiencyText);
        SetInputs(state, c.Row, defender, std::to_string(c.Stop.Ships - 1));
        EXPECT_LT(state.Combat.ShipsResult, wanted);
    }
    EXPECT_EQ(rows.size(), kShipCount);
}

}  // namespace

TEST(Counters, BuiltInTableRanksEveryTypeCheapestFirst) {
    ProgramState state;
    StartCore(state);
    const std::vector<Counter> ranking = RankCounters(state, 10, 100);
    ExpectRankingHolds(state, 10, 100, ranking);
    EXPECT_EQ(ranking.front().Stop.Block, StopBlock::None);
    EXPECT_NE(ranking.back().Stop.Block, StopBlock::None);
}

TEST(Counters, RandomTablesKeepOrderCostsAndEfficiency) {
    RandomText random(1618);
    ProgramState state;
    StartCore(state);
    for (int round = 0; round < 12; ++round) {
        Scramble(state.ActiveStats, random);
        const int defender = static_cast<int>(random.Pick(kShipCount));
        const std::int64_t wanted = 1 + static_cast<std::int64_t>(random.Pick(100000));
        ExpectRankingHolds(state, defender, wanted, RankCounters(state, defender, wanted));
    }
}

TEST(Counters, EqualCostsKeepTableOrder) {
    ProgramState state;
    StartCore(state);
    ShipTable& table = state.ActiveStats;
    for (ShipRecord& ship : table) {
        ship = table[11];  // every type a Dreadnought by another name
    }
    const std::vector<Counter> ranking = RankCounters(state, 10, 50);
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        EXPECT_EQ(ranking[i].Row, static_cast<int>(i));
    }
}

TEST(Counters, CostsPastSixtyFourBitsStayExactAndRankLast) {
    ProgramState state;
    StartCore(state);
    ShipRecord& a = state.ActiveStats[11];
    a[Col::Metal] = "9223372036854775807";
    a[Col::Crystal] = "9223372036854775807";
    const std::vector<Counter> ranking = RankCounters(state, 10, 544);
    auto dread =
        std::find_if(ranking.begin(), ranking.end(), [](const Counter& c) { return c.Row == 11; });
    ASSERT_EQ(dread->Stop.Block, StopBlock::None);
    const WideInt ships = Widen(dread->Stop.Ships);
    EXPECT_TRUE(dread->Cost.Total ==
                ships * 2 * Widen(9223372036854775807LL) + ships * PerShip(a, Col::Eon));
    EXPECT_FALSE(FitsInt64(dread->Cost.Total));
    // The dearest of all that stop them: the next one cannot.
    ASSERT_NE(dread + 1, ranking.end());
    EXPECT_NE((dread + 1)->Stop.Block, StopBlock::None);
}

TEST(WideInt, DecimalTextBeyondSixtyFourBits) {
    const WideInt big = Widen(9223372036854775807LL) * 1000;
    EXPECT_EQ(WideText(big), "9223372036854775807000");
    EXPECT_EQ(WideText(-big), "-9223372036854775807000");
    EXPECT_EQ(WideText(Widen(-9223372036854775807LL - 1)), "-9223372036854775808");
    EXPECT_EQ(WideText(Widen(-9223372036854775807LL - 1) - 1), "-9223372036854775809");
    EXPECT_EQ(WideText(0), "0");
    EXPECT_TRUE(FitsInt64(Widen(-9223372036854775807LL - 1)));
    EXPECT_FALSE(FitsInt64(Widen(9223372036854775807LL) + 1));
}
