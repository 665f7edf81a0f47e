#include "data/default_ships.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/int_text.h"

namespace {

const ShipTable kTable = DefaultShipTable();

struct GroupRule {
    std::size_t firstRow;
    std::vector<std::string> classes;
};

// Row numbers as the grid shows them (index + 1).
bool InRows(std::size_t index, std::initializer_list<int> rows) {
    return std::find(rows.begin(), rows.end(), static_cast<int>(index + 1)) != rows.end();
}

std::string ExpectedType(std::size_t i) {
    const int row = static_cast<int>(i + 1);
    if (InRows(i, {8, 22, 29, 49})) {
        return "Special";
    }
    if (InRows(i, {13, 14, 15, 17, 18, 20, 24})) {
        return "EMP";
    }
    if (InRows(i, {40, 42, 45, 46, 47})) {
        return "Steal";
    }
    if (row >= 50) {
        return "PDS";
    }
    if (row >= 25 && row <= 36) {
        return "Cloaked";
    }
    return "Normal";
}

bool IsClass(const std::string& text) {
    return text == "Fi" || text == "Co" || text == "Fr" || text == "De" || text == "Cr" ||
           text == "Bs";
}

// The slot pattern: which of T1, T2, T3 hold a class ('c'), "All" ('A') or "-" ('-').
std::string ExpectedSlots(std::size_t i) {
    if (InRows(i, {8, 22, 29, 49})) {
        return "---";
    }
    if (InRows(i, {14})) {
        return "c--";
    }
    if (InRows(i, {5, 20, 21, 27, 35, 44, 52, 53, 54})) {
        return "ccA";
    }
    if (InRows(i, {1, 2, 10, 16, 23, 30, 34, 37, 38, 39, 43, 48})) {
        return "ccc";
    }
    return "cc-";
}

char SlotKind(const std::string& text) {
    if (IsClass(text)) {
        return 'c';
    }
    return text == "All" ? 'A' : (text == "-" ? '-' : '?');
}

// Plain decimal digits: no sign, blanks or leading zeros.
bool IsPlainNumber(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), ::isdigit) &&
           (text == "0" || text[0] != '0');
}

void ExpectInRange(std::size_t row, Col col, long low, long high) {
    const std::string& text = kTable[row][col];
    ASSERT_TRUE(IsPlainNumber(text)) << "row " << row + 1 << " col " << static_cast<int>(col);
    const long value = ToInt64Or(text, -1);
    EXPECT_GE(value, low) << "row " << row + 1 << " col " << static_cast<int>(col);
    EXPECT_LE(value, high) << "row " << row + 1 << " col " << static_cast<int>(col);
}

}  // namespace

TEST(DefaultShips, GroupsClassesRacesAndTypes) {
    const std::vector<GroupRule> groups = {
        {0, {"Fi", "Co", "Co", "Fr", "Fr", "Fr", "De", "De", "Cr", "Cr", "Bs", "Bs"}},
        {12, {"Fi", "Fi", "Co", "Co", "Co", "Fr", "De", "Cr", "Cr", "Cr", "Bs", "Bs"}},
        {24, {"Fi", "Fi", "Fi", "Co", "Co", "Co", "Fr", "Fr", "Fr", "De", "Cr", "Bs"}},
        {36, {"Fi", "Fi", "Co", "Co", "Fr", "Fr", "De", "De", "De", "Cr", "Bs", "Bs"}},
        {48, {"Fr", "Co", "Fr", "De", "Cr", "Bs"}}};
    std::set<std::string> races;
    for (const GroupRule& group : groups) {
        const std::string& race = kTable[group.firstRow][Col::Race];
        races.insert(race);
        for (std::size_t k = 0; k < group.classes.size(); ++k) {
            const std::size_t i = group.firstRow + k;
            EXPECT_EQ(kTable[i][Col::Cl], group.classes[k]) << "row " << i + 1;
            EXPECT_EQ(kTable[i][Col::Race], race) << "row " << i + 1;
        }
    }
    EXPECT_EQ(races.size(), 5u);
    for (std::size_t i = 0; i < kShipCount; ++i) {
        EXPECT_EQ(kTable[i][Col::ShipType], ExpectedType(i)) << "row " << i + 1;
    }
}

TEST(DefaultShips, TargetSlotPatterns) {
    for (std::size_t i = 0; i < kShipCount; ++i) {
        const std::string slots = {SlotKind(kTable[i][Col::T1]), SlotKind(kTable[i][Col::T2]),
                                   SlotKind(kTable[i][Col::T3])};
        EXPECT_EQ(slots, ExpectedSlots(i)) << "row " << i + 1;
    }
}

TEST(DefaultShips, NamesAreUniqueWithoutBlanksOrCommas) {
    std::set<std::string> names;
    for (const ShipRecord& ship : kTable) {
        const std::string& name = ship[Col::ShipName];
        EXPECT_GE(name.size(), 4u) << name;
        EXPECT_LE(name.size(), 21u) << name;
        EXPECT_EQ(name.find_first_of(" ,"), std::string::npos) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), kShipCount);
}

TEST(DefaultShips, NumbersStayInTheirRangesAndRelations) {
    std::set<long> inits;
    for (std::size_t i = 0; i < kShipCount; ++i) {
        const ShipRecord& ship = kTable[i];
        const std::string& type = ship[Col::ShipType];
        const bool pds = type == "PDS";
        const bool unarmed = type == "EMP" || type == "Special";
        ExpectInRange(i, Col::Init, 0, 53);
        inits.insert(ToInt64Or(ship[Col::Init], -1));
        ExpectInRange(i, Col::Ag, 5, 45);
        ExpectInRange(i, Col::WPSP, 0, 45);
        ExpectInRange(i, Col::Guns, 1, 90);
        ExpectInRange(i, Col::Power, 0, 175);
        ExpectInRange(i, Col::Armor, 1, 500);
        ExpectInRange(i, Col::EMPRes, 15, 100);
        ExpectInRange(i, Col::Metal, 0, 70000);
        ExpectInRange(i, Col::Crystal, 0, 40000);
        EXPECT_EQ(ship[Col::WPSP] == "0", unarmed) << "row " << i + 1;
        EXPECT_EQ(ship[Col::Power] == "0", unarmed) << "row " << i + 1;
        EXPECT_EQ(ship[Col::EMPRes] == "100", pds) << "row " << i + 1;
        EXPECT_EQ(ship[Col::Fuel] == "-", pds) << "row " << i + 1;
        EXPECT_EQ(ship[Col::ETA] == "-", pds) << "row " << i + 1;
        if (pds) {
            EXPECT_EQ(ship[Col::Guns], "1");
            ExpectInRange(i, Col::Eon, 1500, 20000);
        } else {
            EXPECT_EQ(ship[Col::Eon], "0") << "row " << i + 1;
            ExpectInRange(i, Col::Fuel, 5, 800);
            ExpectInRange(i, Col::ETA, 2, 5);
        }
    }
    EXPECT_EQ(inits.size(), kShipCount);
}

TEST(DefaultShips, BuildInstallsTableSettingsAndHitChanceButNotActiveStats) {
    ProgramState state;
    state.Settings.SettingsLine = "0,1,99,3,4,clRed,clRed,clRed,clRed,clRed,clRed,clRed,";
    ParseSettingsLine(state.Settings);
    state.Combat.BaseHitChance = 3;
    state.ActiveStats[0][Col::ShipName] = "Edited";

    BuildDefaultStats(state);

    EXPECT_EQ(state.StoredStats, kTable);
    EXPECT_EQ(state.ActiveStats[0][Col::ShipName], "Edited");
    EXPECT_EQ(state.Settings.SettingsLine, DefaultSettingsLine);
    EXPECT_EQ(state.Settings.Display, DisplaySettings{});
    EXPECT_EQ(state.Combat.BaseHitChance, 25);
}
