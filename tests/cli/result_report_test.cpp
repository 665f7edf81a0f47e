#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "combat/random_table.h"

namespace {

const char* const kReportKinds[] = {"calculation", "targeting", "resources", "basic"};

// The Details window's boxes of a section, as the command separates them.
std::string SectionText(const ProgramState& state, const std::string& kind) {
    if (kind == "calculation") {
        return Joined(state.Reports.Calculation);
    }
    if (kind == "targeting") {
        return Joined(state.Reports.TargetAtt) + "\n" + Joined(state.Reports.TargetDef);
    }
    if (kind == "resources") {
        return Joined(state.Reports.ResourcesAtt) + "\n" + Joined(state.Reports.ResourcesDef);
    }
    return Joined(state.Reports.BasicStatsAtt) + "\n" + Joined(state.Reports.BasicStatsDef);
}

class ResultReportTest : public CliTest {};

}  // namespace

TEST_F(ResultReportTest, RandomTablesGiveTheWindowsResultLineAndReports) {
    RandomText random(4711);
    ShipTable table = DefaultShipTable();
    for (int round = 0; round < 240; ++round) {
        if (round % 40 == 0) {
            Scramble(table, random);
            WriteTable(table);
        }
        const int attacker = static_cast<int>(random.Pick(kShipCount));
        const int defender = static_cast<int>(random.Pick(kShipCount));
        const std::string count = random.Number();
        const std::string& attName = table[static_cast<std::size_t>(attacker)][Col::ShipName];
        const std::string& defName = table[static_cast<std::size_t>(defender)][Col::ShipName];
        const ProgramState& windows = AsTheWindowsShow(attacker, defender, count);

        const CalcRun result = Calc({"result", attName, defName, count});
        ASSERT_EQ(result.Code, 0) << result.Err;
        EXPECT_EQ(result.Out, windows.Combat.ResultLine + "\n") << attName << " " << defName;

        const std::string kind = kReportKinds[random.Pick(4)];
        const CalcRun report = Calc({"report", kind, attName, defName, count});
        ASSERT_EQ(report.Code, 0) << report.Err;
        EXPECT_EQ(report.Out, SectionText(windows, kind)) << kind;
    }
}

TEST_F(ResultReportTest, EveryReportOfTheBuiltInTableMatches) {
    WriteTable(DefaultShipTable());
    for (const char* kind : kReportKinds) {
        const ProgramState& windows = AsTheWindowsShow(11, 10, "1000");
        const CalcRun report = Calc({"report", kind, "Dreadnought", "Sovereign", "1000"});
        ASSERT_EQ(report.Code, 0);
        EXPECT_EQ(report.Out, SectionText(windows, kind));
    }
}

TEST_F(ResultReportTest, CountTextIsReadLikeTheCountBox) {
    WriteTable(DefaultShipTable());
    for (const std::string count : {"$10", "0x10", "  16", "16 ", "abc", "", "-16"}) {
        const ProgramState& windows = AsTheWindowsShow(11, 10, count);
        const CalcRun result = Calc({"result", "Dreadnought", "Sovereign", count});
        ASSERT_EQ(result.Code, 0);
        EXPECT_EQ(result.Out, windows.Combat.ResultLine + "\n") << '"' << count << '"';
    }
    EXPECT_EQ(Calc({"result", "Dread", "Sov", "$10"}).Out,
              Calc({"result", "Dread", "Sov", "16"}).Out);
}

TEST_F(ResultReportTest, NotANumberCountIsNotedButStillCalculated) {
    WriteTable(DefaultShipTable());
    const CalcRun result = Calc({"result", "Dreadnought", "Sovereign", "many"});
    EXPECT_EQ(result.Code, 0);
    EXPECT_TRUE(result.Out.starts_with("0 Dreadnought will kill 0 Sovereign")) << result.Out;
    EXPECT_NE(result.Err.find("reads it as 0 ships"), std::string::npos);
}

TEST_F(ResultReportTest, TwoSidedReportsAreSeparatedByOneEmptyLine) {
    WriteTable(DefaultShipTable());
    const CalcRun report = Calc({"report", "basic", "Dreadnought", "Sovereign", "10"});
    // 21 lines a side, the second of each empty, and the separator between.
    const std::string separator = "\n\n Defender - Sovereign\n";
    EXPECT_NE(report.Out.find("     Type              Normal" + separator), std::string::npos)
        << report.Out;
}
