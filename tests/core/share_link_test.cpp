#include "core/share_link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "combat/random_table.h"
#include "core/calculation.h"
#include "core/inputs.h"
#include "core/readouts.h"
#include "core/startup.h"
#include "core/stats_edits.h"
#include "data/default_ships.h"
#include "data/int_text.h"

namespace {

int RowOf(const ShipTable& table, std::string_view name) {
    for (std::size_t row = 0; row < kShipCount; ++row) {
        if (table[row][Col::ShipName] == name) {
            return static_cast<int>(row);
        }
    }
    ADD_FAILURE() << "no ship " << name;
    return 0;
}

std::string ProblemOf(std::string_view link) {
    const LinkRead read = ReadShareLink(link);
    EXPECT_FALSE(read.Battle) << link.substr(0, 80);
    return read.Problem;
}

// The result line the calculator shows for this table, ships and count.
std::string ResultLineOn(const ShipTable& table, int attacker, int defender,
                         const std::string& count) {
    ProgramState state;
    StartCore(state);
    state.StoredStats = table;
    RecalculateAll(state);
    SetInputs(state, attacker, defender, count);
    return CurrentResultLine(state);
}

}  // namespace

TEST(ShareLink, BuiltInTableGivesReadableNames) {
    const ShipTable table = DefaultShipTable();
    const int harrier = RowOf(table, "Harrier");
    const int sparrow = RowOf(table, "Sparrow");
    EXPECT_EQ(ShareLinkOf(table, harrier, sparrow, "1000"), "#att=Harrier&def=Sparrow&n=1000");
    // The count travels as the number the calculation reads.
    EXPECT_EQ(ShareLinkOf(table, harrier, sparrow, "$3E8"), "#att=Harrier&def=Sparrow&n=1000");
    EXPECT_EQ(ShareLinkOf(table, harrier, sparrow, "many"), "#att=Harrier&def=Sparrow&n=0");
    const LinkRead read = ReadShareLink("https://example.org/sk/#att=Harrier&def=Sparrow&n=1000");
    ASSERT_TRUE(read.Battle) << read.Problem;
    EXPECT_EQ(read.Battle->Attacker, harrier);
    EXPECT_EQ(read.Battle->Defender, sparrow);
    EXPECT_EQ(read.Battle->Count, "1000");
    EXPECT_EQ(read.Battle->ChangedCells, 0U);
    EXPECT_EQ(read.Battle->Table, table);
}

// Names are the page's Latin-1 as UTF-8, escaped; the changed names travel in t.
TEST(ShareLink, NamesAreEscapedUtf8AndLookedUpInTheLinksTable) {
    ShipTable table = DefaultShipTable();
    table[3][Col::ShipName] = "H\xE9ros <b>&x";
    table[4][Col::ShipName] = "a+b=c";
    const std::optional<std::string> link = ShareLinkOf(table, 3, 4, "-7");
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->starts_with("#att=H%C3%A9ros%20%3Cb%3E%26x&def=a%2Bb%3Dc&n=-7&t=")) << *link;
    const LinkRead read = ReadShareLink(*link);
    ASSERT_TRUE(read.Battle) << read.Problem;
    EXPECT_EQ(read.Battle->Table, table);
    EXPECT_EQ(read.Battle->ChangedCells, 2U);
    EXPECT_EQ(read.Battle->Attacker, 3);
    EXPECT_EQ(read.Battle->Defender, 4);
    // Unescaped and lower-case escapes, as a hand-typed link may have them.
    const LinkRead typed = ReadShareLink("#n=5&def=Sparrow&att=Har%72ier&x=1&");
    ASSERT_TRUE(typed.Battle) << typed.Problem;
    EXPECT_EQ(typed.Battle->Attacker, RowOf(DefaultShipTable(), "Harrier"));
}

// A table may name two rows alike: the link still tells them apart.
TEST(ShareLink, RowsOfTheSameNameAreToldApart) {
    ShipTable table = DefaultShipTable();
    table[9][Col::ShipName] = table[2][Col::ShipName];
    const std::string name = table[2][Col::ShipName];
    const std::string link = *ShareLinkOf(table, 9, 2, "5");
    EXPECT_TRUE(link.starts_with("#att=" + name + "@9&def=" + name + "&n=5&t=")) << link;
    const LinkRead read = ReadShareLink(link);
    ASSERT_TRUE(read.Battle) << read.Problem;
    EXPECT_EQ(read.Battle->Attacker, 9);
    EXPECT_EQ(read.Battle->Defender, 2);
    EXPECT_EQ(ResultLineOn(read.Battle->Table, 9, 2, "5"), ResultLineOn(table, 9, 2, "5"));
    for (const std::string row : {"8", "54", "", "x", "009", "-1"}) {
        const std::string bad = "#att=" + name + "@" + row + link.substr(link.find("&def="));
        EXPECT_NE(ProblemOf(bad).find("is not in its table"), std::string::npos) << row;
    }
}

// Random tables and inputs: the link read back is the same table, ships and result line.
TEST(ShareLink, RoundTripsRandomTablesToTheSameResultLine) {
    RandomText random(31);
    for (int round = 0; round < 40; ++round) {
        ShipTable table = DefaultShipTable();
        const std::size_t changes = random.Pick(4) == 0 ? kShipCount * kColumnCount : 30;
        for (std::size_t i = 0; i < changes; ++i) {
            const std::size_t row = random.Pick(kShipCount);
            const std::size_t col = 1 + random.Pick(kColumnCount - 1);
            table[row].fields[col] = IsWordColumn(col) ? random.Word() : random.Number();
        }
        const int attacker = static_cast<int>(random.Pick(kShipCount));
        const int defender = static_cast<int>(random.Pick(kShipCount));
        const std::string count = random.Number();
        const std::optional<std::string> link = ShareLinkOf(table, attacker, defender, count);
        ASSERT_TRUE(link);
        const LinkRead read = ReadShareLink(*link);
        ASSERT_TRUE(read.Battle) << read.Problem;
        EXPECT_EQ(read.Battle->Table, table);
        EXPECT_EQ(read.Battle->ChangedCells, ChangedCellCount(table));
        EXPECT_EQ(read.Battle->Count, std::to_string(ToInt64Or(count, 0)));
        EXPECT_EQ(ResultLineOn(read.Battle->Table, read.Battle->Attacker, read.Battle->Defender,
                               read.Battle->Count),
                  ResultLineOn(table, attacker, defender, count))
            << *link;
    }
}

TEST(ShareLink, HostileLinksGiveOnlyAReason) {
    const std::string base = "#att=Harrier&def=Sparrow&n=1";
    EXPECT_NE(ProblemOf("#att=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E&def=Sparrow&n=1")
                  .find("attacking ship '<img src=x onerror=alert(1)>' is not in its table"),
              std::string::npos);
    EXPECT_NE(ProblemOf(base + "&n=2").find("gives n twice"), std::string::npos);
    EXPECT_NE(ProblemOf("#att=Harrier&def=Sparrow").find("the count (n)"), std::string::npos);
    EXPECT_NE(ProblemOf("").find("the count (n)"), std::string::npos);
    EXPECT_NE(ProblemOf("#att=Harrier&def=Sparrow&n=99999999999999999999")
                  .find("'99999999999999999999' is beyond the 64-bit range"),
              std::string::npos);
    EXPECT_NE(ProblemOf("#att=Harrier&def=Sparrow&n=1e9").find("is not a whole number"),
              std::string::npos);
    EXPECT_NE(ProblemOf("#att=Harrier%&def=Sparrow&n=1").find("not text a ship name"),
              std::string::npos);
    EXPECT_NE(ProblemOf("#att=%E2%82%AC&def=Sparrow&n=1").find("not text a ship name"),
              std::string::npos);  // the euro sign: no Latin-1
    EXPECT_NE(ProblemOf(base + "&t=ab*d").find("not base64url"), std::string::npos);
    EXPECT_NE(ProblemOf(base + "&t=AB==").find("not base64url"), std::string::npos);
    EXPECT_NE(ProblemOf(base + "&t=Bw").find("not packed data"), std::string::npos);
    EXPECT_NE(ProblemOf(base + "&t=Sw").find("cut short"), std::string::npos);
    const std::string name(50, 'Q');
    EXPECT_NE(
        ProblemOf("#att=" + name + "&def=Sparrow&n=1").find("'" + name.substr(0, 40) + "...'"),
        std::string::npos);
}

// Carried cells that inflate well but say nothing sound.
TEST(ShareLink, DamagedCarriedCellsAreRefused) {
    // A link whose carried cells are exactly `cells`, in a stored block built here by hand.
    const auto linkWith = [](const std::string& cells) {
        std::string encoded;
        const std::string block = "\x01" + std::string(1, char(cells.size())) + '\0' +
                                  char(~cells.size()) + '\xFF' + cells;
        static constexpr std::string_view kBase64 =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
        unsigned bits = 0;
        int held = 0;
        for (const char c : block) {
            bits = (bits << 8U) | static_cast<unsigned char>(c);
            held += 8;
            while (held >= 6) {
                held -= 6;
                encoded.push_back(kBase64[(bits >> held) & 63U]);
            }
        }
        if (held > 0) {
            encoded.push_back(kBase64[(bits << (6 - held)) & 63U]);
        }
        return "#att=Harrier&def=Sparrow&n=1&t=" + encoded;
    };
    const auto problemWith = [&](const std::string& cells) { return ProblemOf(linkWith(cells)); };
    EXPECT_NE(problemWith(std::string("\x02", 1)).find("layout"), std::string::npos);
    EXPECT_NE(problemWith(std::string("\x01\x00\x05\x02"
                                      "7",
                                      5))
                  .find("ends inside a cell"),
              std::string::npos);
    EXPECT_NE(problemWith(std::string("\x01\x04\x02\x01"
                                      "7",
                                      5))
                  .find("outside the table"),
              std::string::npos);  // cell 1026
    EXPECT_NE(problemWith(std::string("\x01\x00\x05\x01"
                                      "7\x00\x05\x01"
                                      "8",
                                      9))
                  .find("twice"),
              std::string::npos);
    const LinkRead sound =
        ReadShareLink(linkWith(std::string("\x01\x00\x05\x01"
                                           "7",
                                           5)));
    ASSERT_TRUE(sound.Battle) << sound.Problem;
    EXPECT_EQ(sound.Battle->Table[0].fields[5], "7");
    EXPECT_EQ(sound.Battle->ChangedCells, 1U);
}

// A link longer than any a table makes is refused at once, and none is made that long.
TEST(ShareLink, OverLongLinksAreRefusedQuickly) {
    const std::string huge = "#att=Harrier&def=Sparrow&n=1&t=" + std::string(100 * 1024, 'A');
    const auto started = std::chrono::steady_clock::now();
    const std::string problem = ProblemOf(huge);
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_NE(problem.find("102430 characters long"), std::string::npos) << problem;
    EXPECT_LT(took, std::chrono::milliseconds(50));
    ShipTable table = DefaultShipTable();
    RandomText random(32);
    for (ShipRecord& ship : table) {
        for (std::size_t col = 1; col < kColumnCount; ++col) {
            std::string noise(40, ' ');
            for (char& c : noise) {
                c = static_cast<char>(random.Pick(256));
            }
            ship.fields[col] = noise;
        }
    }
    EXPECT_FALSE(ShareLinkOf(table, 0, 0, "1"));
}

// The link's table serves the calculation alone until the user keeps it.
TEST(ShareLink, LinksTableIsUsedNotStoredUntilKept) {
    ProgramState state;
    StartCore(state);
    ShipTable table = DefaultShipTable();
    table[2][Col::Guns] = "999";
    const LinkRead read = ReadShareLink(*ShareLinkOf(table, 2, 5, "40"));
    ASSERT_TRUE(read.Battle);
    const ShipTable stored = state.StoredStats;
    const std::string fileBefore = StatsFileBytes(state);
    OpenSharedBattle(state, *read.Battle);
    EXPECT_TRUE(SharedTableInUse(state));
    EXPECT_EQ(state.ActiveStats, table);
    EXPECT_EQ(state.StoredStats, stored);
    EXPECT_EQ(StatsFileBytes(state), fileBefore);
    EXPECT_EQ(CurrentResultLine(state), ResultLineOn(table, 2, 5, "40"));
    EXPECT_EQ(ShareLink(state), ShareLinkOf(table, 2, 5, "40"));
    SelectAttacker(state, 7);  // inputs keep the link's table
    EXPECT_TRUE(SharedTableInUse(state));
    KeepSharedTable(state, "kept");
    EXPECT_FALSE(SharedTableInUse(state));
    EXPECT_EQ(state.StoredStats, table);
    EXPECT_EQ(state.StatsEdit.Grid, table);
    EXPECT_NE(StatsFileBytes(state).find("\r\n999\r\n"), std::string::npos);
    // Anything that stores or reloads a table ends a link's table.
    OpenSharedBattle(state, *ReadShareLink("#att=Harrier&def=Sparrow&n=1").Battle);
    EXPECT_TRUE(SharedTableInUse(state));
    RecalculateAll(state);
    EXPECT_FALSE(SharedTableInUse(state));
}
