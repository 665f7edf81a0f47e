#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_fixture.h"
#include "data/file_io.h"
#include "version.h"

namespace {

class CommandsTest : public CliTest {
  protected:
    CommandsTest() { WriteTable(DefaultShipTable()); }

    // The written file less its last line: 3078 lines.
    void Shorten() {
        std::string text = ReadBytes(StatsPath());
        text.resize(text.rfind("\r\n", text.size() - 3) + 2);
        WriteBytes(StatsPath(), text);
    }
};

bool Mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(CommandsTest, UnknownShipNameExitsTwoNamingCandidates) {
    const CalcRun run = Calc({"result", "Dreadnaught", "Sovereign", "10"});
    EXPECT_EQ(run.Code, 2);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_TRUE(Mentions(run.Err, "unknown ship name 'Dreadnaught'")) << run.Err;
    EXPECT_TRUE(Mentions(run.Err, "Dreadnought"));
}

TEST_F(CommandsTest, AmbiguousShipNameExitsTwoNamingCandidates) {
    const CalcRun run = Calc({"stop", "Dreadnought", "s", "10"});
    EXPECT_EQ(run.Code, 2);
    EXPECT_TRUE(Mentions(run.Err, "ambiguous ship name 's'")) << run.Err;
    EXPECT_TRUE(Mentions(run.Err, "Sovereign"));
    EXPECT_TRUE(Mentions(run.Err, "Sparrow"));
}

TEST_F(CommandsTest, BadNumberOfDefendersExitsTwoSayingWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc", "N 'abc' is not a whole number"},
        {"", "N '' is not a whole number"},
        {"1.5", "N '1.5' is not a whole number"},
        {"0", "N must be at least 1, not '0'"},
        {"-5", "N must be at least 1, not '-5'"},
        {"-99999999999999999999",
         "N '-99999999999999999999' is too small: the smallest accepted is -9223372036854775808"},
        {"99999999999999999999",
         "N '99999999999999999999' is too large: the largest accepted is 9223372036854775807"},
        {" +9223372036854775808",
         "N ' +9223372036854775808' is too large: the largest accepted is 9223372036854775807"},
        {"$10000000000000000",
         "N '$10000000000000000' is too large: the largest accepted is 9223372036854775807"},
        {"0x10000000000000000",
         "N '0x10000000000000000' is too large: the largest accepted is 9223372036854775807"},
        {"$FFFFFFFFFFFFFFFFF",
         "N '$FFFFFFFFFFFFFFFFF' is too large: the largest accepted is 9223372036854775807"},
        {"0x", "N '0x' is not a whole number"},
        {"$", "N '$' is not a whole number"},
        {"0xG", "N '0xG' is not a whole number"},
        {"99999999999999999999x", "N '99999999999999999999x' is not a whole number"},
    };
    for (const auto& [n, message] : cases) {
        const std::string expected = std::string("skirmod-calc: ") + message + "\n";
        const CalcRun stop = Calc({"stop", "Dreadnought", "Sovereign", n});
        EXPECT_EQ(stop.Code, 2) << n;
        EXPECT_EQ(stop.Err, expected);
        const CalcRun counters = Calc({"counters", "Sovereign", n});
        EXPECT_EQ(counters.Code, 2) << n;
        EXPECT_EQ(counters.Err, expected);
    }
    EXPECT_EQ(Calc({"stop", "Dreadnought", "Sovereign", "9223372036854775807"}).Code, 0);
}

// The count box reads 64 bits: a count beyond 32 bits is a number, and only one beyond
// 64 bits earns the note.
TEST_F(CommandsTest, CountIsNotedOnlyBeyondSixtyFourBits) {
    const std::pair<const char*, const char*> cases[] = {
        {"2147483648", ""},
        {"-2147483649", ""},
        {"9223372036854775807", ""},
        {"-9223372036854775808", ""},
        {"-9223372036854775809",
         "skirmod-calc: note: the count '-9223372036854775809' is too small: the smallest "
         "accepted is -9223372036854775808; the count box reads it as 0 ships\n"},
        {"9223372036854775808",
         "skirmod-calc: note: the count '9223372036854775808' is too large: the largest "
         "accepted is 9223372036854775807; the count box reads it as 0 ships\n"},
    };
    for (const auto& [count, note] : cases) {
        const CalcRun run = Calc({"result", "Dreadnought", "Sovereign", count});
        EXPECT_EQ(run.Code, 0) << count;
        EXPECT_EQ(run.Err, note) << count;
    }
}

TEST_F(CommandsTest, UnknownReportIsRefusedNamingTheFour) {
    const CalcRun run = Calc({"report", "bogus", "Dreadnought", "Sovereign", "1"});
    EXPECT_EQ(run.Code, 2);
    EXPECT_TRUE(Mentions(run.Err,
                         "there is no report 'bogus'; the reports are basic, "
                         "calculation, resources and targeting\n"))
        << run.Err;
    EXPECT_FALSE(Mentions(run.Err, "->")) << run.Err;
}

TEST_F(CommandsTest, UsageErrorsExitTwo) {
    EXPECT_EQ(Calc({}).Code, 2);
    EXPECT_EQ(Calc({"fight", "a", "b"}).Code, 2);
    EXPECT_EQ(Calc({"result", "Dreadnought", "Sovereign"}).Code, 2);
    EXPECT_EQ(Calc({"report", "summary", "Dreadnought", "Sovereign", "1"}).Code, 2);
    EXPECT_EQ(Calc({"result", "Dreadnought", "Sovereign", "1", "2"}).Code, 2);
}

TEST_F(CommandsTest, DamagedStatsFileIsAnErrorNotAFallback) {
    Shorten();
    const CalcRun run = Calc({"result", "Dreadnought", "Sovereign", "10"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_TRUE(Mentions(run.Err, "is damaged: it has 3078 lines, not 3079")) << run.Err;
}

TEST_F(CommandsTest, MissingNamedStatsFileExitsOne) {
    const CalcRun run =
        Calc({"--stats", m_dir.File("nowhere.txt"), "result", "Dread", "Sov", "1"}, false);
    EXPECT_EQ(run.Code, 1);
    EXPECT_TRUE(Mentions(run.Err, "cannot open the stats file")) << run.Err;
}

TEST_F(CommandsTest, WithoutAnyFileTheBuiltInTableIsUsedWithANote) {
    const CalcRun run = Calc({"result", "Dreadnought", "Sovereign", "1000"}, false);
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Out, AsTheWindowsShow(11, 10, "1000").Combat.ResultLine + "\n");
    EXPECT_TRUE(Mentions(run.Err, "using the built-in ship table")) << run.Err;
}

TEST_F(CommandsTest, EditedFileValuesAreUsed) {
    ShipTable table = DefaultShipTable();
    table[11][Col::Guns] = "0";
    WriteTable(table);
    EXPECT_TRUE(Mentions(Calc({"result", "Dreadnought", "Sovereign", "1000"}).Out,
                         "will kill 0 Sovereign"));
    const CalcRun stop = Calc({"stop", "Dreadnought", "Sovereign", "1"});
    EXPECT_EQ(stop.Code, 0);
    EXPECT_TRUE(Mentions(stop.Out, "Dreadnought has no guns (Guns 0)")) << stop.Out;
}

TEST_F(CommandsTest, HelpAndVersionExitZero) {
    const CalcRun help = Calc({"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(Mentions(help.Out, "Exit codes: 0 done; 1")) << help.Out;
    const CalcRun version = Calc({"--version"});
    EXPECT_EQ(version.Code, 0);
    EXPECT_EQ(version.Out, std::string("skirmod-calc ") + SKIRMOD_VERSION + "\n");
}

TEST_F(CommandsTest, StopPrintsTheCountAndBothResultLines) {
    const CalcRun run = Calc({"stop", "dreadn", "sov", "100"});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_TRUE(Mentions(run.Out,
                         "Fewest Dreadnought that kill at least 100 Sovereign in one "
                         "tick: 184 (they kill 100; 183 kill 99)"))
        << run.Out;
    EXPECT_TRUE(Mentions(run.Out, "  " + AsTheWindowsShow(11, 10, "184").Combat.ResultLine));
    EXPECT_TRUE(Mentions(run.Out, "  " + AsTheWindowsShow(11, 10, "183").Combat.ResultLine));
}

TEST_F(CommandsTest, JsonAnswersCarryTheSameFigures) {
    using nlohmann::json;
    const json result = json::parse(Calc({"--json", "result", "Dread", "Sov", "1000"}).Out);
    EXPECT_EQ(result["result_line"], AsTheWindowsShow(11, 10, "1000").Combat.ResultLine);
    EXPECT_EQ(result["result"], 544);

    const json stop = json::parse(Calc({"stop", "Dread", "Sov", "100", "--json"}).Out);
    EXPECT_EQ(stop["found"], true);
    EXPECT_EQ(stop["ships"], 184);
    EXPECT_EQ(stop["one_fewer"]["result"], 99);

    const json report = json::parse(Calc({"--json", "report", "basic", "Dread", "Sov", "1"}).Out);
    EXPECT_EQ(report["texts"]["attacker"].size(), 21U);
    EXPECT_EQ(report["texts"]["defender"][0], " Defender - Sovereign");

    const json counters = json::parse(Calc({"--json", "counters", "Sov", "100"}).Out);
    ASSERT_EQ(counters["counters"].size(), kShipCount);
    EXPECT_EQ(counters["counters"][0]["attacker"], "Blackout");
    EXPECT_EQ(counters["counters"][53]["reason"], "not_a_target");
}

TEST_F(CommandsTest, JsonTurnsLatinOneNamesIntoUtf8) {
    ShipTable table = DefaultShipTable();
    table[11][Col::ShipName] =
        "Dr\xE9"
        "adnought";
    WriteTable(table);
    const CalcRun run = Calc({"--json", "result", "Dr\xE9", "Sov", "1"});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(nlohmann::json::parse(run.Out)["attacker"],
              "Dr\xC3\xA9"
              "adnought");
}

// A stats file Notepad saved in UTF-8 is read as such, and the companion says so once.
TEST_F(CommandsTest, Utf8StatsFileIsNoted) {
    WriteBytes(StatsPath(), "\xEF\xBB\xBF" + ReadBytes(StatsPath()));
    const CalcRun run = Calc({"result", "Dreadnought", "Sovereign", "1000"});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Out, AsTheWindowsShow(11, 10, "1000").Combat.ResultLine + "\n");
    EXPECT_EQ(run.Err,
              "skirmod-calc: note: the stats file " + StatsPath() + " was read as UTF-8 text\n");
}

namespace {

// Characters, not bytes, of UTF-8 text: the bytes that begin one.
std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

// A name outside ASCII is printed in UTF-8, in line with the others, and typed back as
// printed it finds its ship.
TEST_F(CommandsTest, NonAsciiNamesArePrintedInUtf8AndTypedBackAsPrinted) {
    ShipTable table = DefaultShipTable();
    table[19][Col::ShipName] =
        "Bl\xE4"
        "ckout";
    WriteTable(table);
    const std::string printed =
        "Bl\xC3\xA4"
        "ckout";

    const CalcRun counters = Calc({"counters", "Sovereign", "100"});
    ASSERT_EQ(counters.Code, 0) << counters.Err;
    std::istringstream lines(counters.Out.substr(0, counters.Out.find("Cannot stop them:")));
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("  ")) {
            rows.push_back(line);
        }
    }
    ASSERT_GE(rows.size(), 2u) << counters.Out;
    for (const std::string& row : rows) {
        EXPECT_EQ(CharacterCount(row), CharacterCount(rows[0])) << row;
    }
    std::istringstream cheapest(rows[1]);
    std::string typed;
    cheapest >> typed;
    ASSERT_EQ(typed, printed) << counters.Out;

    const CalcRun stop = Calc({"stop", typed, "Sovereign", "100"});
    ASSERT_EQ(stop.Code, 0) << stop.Err;
    EXPECT_TRUE(stop.Out.starts_with("Fewest " + printed + " that ")) << stop.Out;
    std::string resultLine = AsTheWindowsShow(19, 10, "7").Combat.ResultLine;
    resultLine.replace(resultLine.find("Bl\xE4"), 3, "Bl\xC3\xA4");
    EXPECT_EQ(Calc({"result", typed, "Sovereign", "7"}).Out, resultLine + "\n");

    const CalcRun unknown = Calc({"result", "ckout", "Sovereign", "7"});
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_TRUE(Mentions(unknown.Err, "it could be: " + printed + "\n")) << unknown.Err;
}

TEST_F(CommandsTest, CountersListsFleetsBeforeTypesThatCannotStopThem) {
    const CalcRun run = Calc({"counters", "Sovereign", "100"});
    ASSERT_EQ(run.Code, 0);
    const std::size_t table = run.Out.find("Blackout");
    const std::size_t blocked = run.Out.find("Cannot stop them:");
    ASSERT_NE(table, std::string::npos);
    ASSERT_NE(blocked, std::string::npos);
    EXPECT_LT(table, blocked);
    EXPECT_TRUE(Mentions(run.Out.substr(blocked),
                         "ColonyPod: Sovereign (class Bs) is not a "
                         "target of ColonyPod"));
}
