#include "cli/ship_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/default_ships.h"

namespace {

ShipTable NamedTable() {
    ShipTable table = DefaultShipTable();
    for (std::size_t row = 0; row < kShipCount; ++row) {
        table[row][Col::ShipName] = "Ship" + std::to_string(row);
    }
    table[0][Col::ShipName] = "Dread";
    table[1][Col::ShipName] = "Dreadnought";
    table[2][Col::ShipName] = "Kestrel";
    table[3][Col::ShipName] = "kestrel";
    table[4][Col::ShipName] = "Warden";
    return table;
}

}  // namespace

TEST(ShipNames, ExactNameWinsOverLongerNames) {
    const NameMatch match = MatchShipName(NamedTable(), "Dread");
    EXPECT_EQ(match.Kind, NameMatchKind::Found);
    EXPECT_EQ(match.Row, 0);
}

TEST(ShipNames, UniquePrefixInAnyCase) {
    EXPECT_EQ(MatchShipName(NamedTable(), "dreadn").Row, 1);
    EXPECT_EQ(MatchShipName(NamedTable(), "WAR").Row, 4);
    EXPECT_EQ(MatchShipName(NamedTable(), "kestrel").Row, 3);  // exact, case and all
}

TEST(ShipNames, SharedPrefixIsAmbiguousWithItsCandidates) {
    const NameMatch dread = MatchShipName(NamedTable(), "dread");
    EXPECT_EQ(dread.Kind, NameMatchKind::Ambiguous);
    EXPECT_EQ(dread.Candidates, (std::vector<int>{0, 1}));
    const NameMatch kestrel = MatchShipName(NamedTable(), "KESTREL");
    EXPECT_EQ(kestrel.Kind, NameMatchKind::Ambiguous);
    EXPECT_EQ(kestrel.Candidates, (std::vector<int>{2, 3}));
}

TEST(ShipNames, UnknownNameOffersNamesContainingIt) {
    const NameMatch match = MatchShipName(NamedTable(), "NOUGHT");
    EXPECT_EQ(match.Kind, NameMatchKind::Unknown);
    EXPECT_EQ(match.Candidates, (std::vector<int>{1}));
    EXPECT_EQ(MatchShipName(NamedTable(), "zzz").Candidates.size(), kShipCount);
}

TEST(ShipNames, TwoRowsOfTheSameNameAreAmbiguous) {
    ShipTable table = NamedTable();
    table[7][Col::ShipName] = "Warden";
    const NameMatch match = MatchShipName(table, "Warden");
    EXPECT_EQ(match.Kind, NameMatchKind::Ambiguous);
    EXPECT_EQ(match.Candidates, (std::vector<int>{4, 7}));
}

TEST(ShipNames, EmptyNameFindsNothing) {
    EXPECT_NE(MatchShipName(NamedTable(), "").Kind, NameMatchKind::Found);
}

// The table holds Latin-1; names are typed in UTF-8, or in Latin-1 where the terminal is.
TEST(ShipNames, NamesOutsideAsciiAreTypedInUtf8OrLatin1) {
    ShipTable table = NamedTable();
    table[5][Col::ShipName] = "Sp\xE9rrow";
    table[6][Col::ShipName] = "Sp\xC3\xA9rrow";  // Latin-1 "SpÃ©rrow", printed as C3 83 C2 A9
    const std::pair<const char*, int> cases[] = {
        {"Sp\xC3\xA9rrow", 5},         {"sP\xC3\xA9", 5},          {"Sp\xE9rrow", 5},
        {"Sp\xC3\x83\xC2\xA9rrow", 6}, {"Sp\xE2\x82\xACrrow", -1},
    };
    for (const auto& [typed, row] : cases) {
        const NameMatch match = MatchShipName(table, typed);
        EXPECT_EQ(match.Row, row) << typed;
        EXPECT_EQ(match.Kind, row < 0 ? NameMatchKind::Unknown : NameMatchKind::Found) << typed;
    }
}
