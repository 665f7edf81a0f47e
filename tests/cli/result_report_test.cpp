#include <array>
#include <string>
#include <utility>
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

// Worked by hand from the built-in table; scores are a tenth of metal + crystal + eonium.
TEST_F(ResultReportTest, ResultLinesAreTheHandWorkedOnes) {
    WriteTable(DefaultShipTable());
    const std::pair<std::array<const char*, 3>, const char*> cases[] = {
        // 17000 shots at 25 - 8 + 15 = 32%: 5440 hits, 10 a kill (428 / 45 rounded up).
        // Scores 7935000 and 544 x 9135 = 4969440: 62.6%.
        {{"Dreadnought", "Sovereign", "1000"},
         "1000 Dreadnought will kill 544 Sovereign, Bs v Bs,  Init 51 v 47, Tar- T2, "
         "AttResEff = 63%"},
        // -170 shots: -5440 / 100 = -54 hits, -5 kills (truncated); -45675 / -79350 = 57.6%.
        {{"Dreadnought", "Sovereign", "-10"},
         "-10 Dreadnought will kill -5 Sovereign, Bs v Bs,  Init 51 v 47, Tar- T2, "
         "AttResEff = 58%"},
        // EMP: 500 shots all hit, 78% of them hold: 390. Scores 169000 and 50700: 30%.
        {{"Pulsar", "Sparrow", "500"},
         "500 Pulsar will hold 390 Sparrow, Co v Fi,  Init 15 v 1, Tar- T2, AttResEff = 30%"},
        // Steal: 500 shots at 25 - 36 + 28 = 17%: 85 hits, 2 a capture (14 / 10 rounded up).
        // Scores 96250 and 42 x 279 = 11718: 12.2%.
        {{"Grappler", "Kestrel", "250"},
         "250 Grappler will capture 42 Kestrel, Co v Co,  Init 9 v 18, Tar- T2, "
         "AttResEff = 12%"},
        // Pods target "-" only; EMP cannot hold a PDS; PDS cannot fire at PDS.
        {{"ColonyPod", "Sentinel", "10"},
         "10 ColonyPod cant target 0 Sentinel, De v De,  Init 36 v 37"},
        {{"Stormcaller", "OrbitalFortress", "100"},
         "100 Stormcaller cant target 0 OrbitalFortress, Bs v Bs,  Init 50 v 53"},
        {{"PlasmaBattery", "IonCannon", "7"},
         "7 PlasmaBattery cant target 0 IonCannon, De v Fr,  Init 32 v 25"},
    };
    for (const auto& [pairing, line] : cases) {
        const CalcRun run = Calc({"result", pairing[0], pairing[1], pairing[2]});
        EXPECT_EQ(run.Code, 0) << run.Err;
        EXPECT_EQ(run.Out, std::string(line) + "\n");
    }
}

TEST_F(ResultReportTest, CalculationReportWalksThroughTheHandWorkedFigures) {
    WriteTable(DefaultShipTable());
    EXPECT_EQ(
        Calc({"report", "calculation", "Pulsar", "Sparrow", "500"}).Out,
        " 500 Pulsar will hold 390 Sparrow, Co v Fi,  Init 15 v 1, Tar- T2, AttResEff = 30%\n"
        " The calculation is carried out as follows\n"
        "\n"
        " 1. Total Pulsar shots fired is :-\n"
        "    =  Attackers Ships * Guns per Ship\n"
        "    =  500 * 1\n"
        "    =  500\n"
        "\n"
        " 2. And so Total Sparrows Held per tick can be found using :-\n"
        "    =  ( Total Shots * ( 100 - Defender EMP Resistance )) / 100    Hits (rounded Down)\n"
        "    =  ( 500 * ( 100 - 22 )) / 100    Hits (rounded Down)\n"
        "    =  390    EMPed  Sparrow\n"
        "\n"
        "    Result -   500  Pulsar will hold  390  Sparrow\n");
}

// 1000 x 47280 and 1000 x 32070 against 544 x 54200 and 544 x 37150; the rates to three
// places: 544 / 1000, 49694400 / 79350000 = 0.6263, 1000 / 544 = 1.8382, 79350000 /
// 49694400 = 1.5968.
TEST_F(ResultReportTest, ResourcesReportGivesBothSidesHandWorked) {
    WriteTable(DefaultShipTable());
    EXPECT_EQ(
        Calc({"report", "resources", "Dreadnought", "Sovereign", "1000"}).Out,
        " Attacker - Dreadnought\n"
        "\n"
        " Resources required for 1000 Dreadnoughts attacking.\n"
        "        M =  47280000\n"
        "        C =  32070000\n"
        "        E =  0\n"
        " Total Resources =  79350000\n"
        "\n"
        " Total Score Value =  7935000\n"
        "\n"
        " Ship Kill Rate  :-\n"
        "       =  Ships Lost/Att. Ships\n"
        "       =  544/1000\n"
        "       =  0.544\n"
        " 1 Dreadnought will kill 0.544 Sovereigns\n"
        "\n"
        " Resource Kill Rate  :-\n"
        "       =  Def Resources/Att Resources\n"
        "       =  49694400/79350000\n"
        "       =  0.626\n"
        " 1k Resources spent on Dreadnoughts will kill 0.626k Resouces spent on Sovereigns  "
        "(eqivalent to the 63% on the main form)\n"
        "\n"
        " Defender - Sovereign\n"
        "\n"
        " Resources lost/held for 544 Sovereigns defending.\n"
        "         M =  29484800\n"
        "         C =  20209600\n"
        "         E =  0\n"
        " Total Resources =  49694400\n"
        "\n"
        " Total Score Value =  4969440\n"
        "\n"
        " Ship Defend Rate  :-\n"
        "       =  Att. Ships/Ships Lost\n"
        "       =  1000/544\n"
        "       =  1.838\n"
        " 1.838 Dreadnought will kill 1 Sovereign\n"
        "\n"
        " Resource Def. Rate  :-\n"
        "       =  Att Resources/Def Resources\n"
        "       =  79350000/49694400\n"
        "       =  1.597\n"
        " 1.597k Resources spent on Dreadnoughts will kill 1k Resouces spent on Sovereigns\n");
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

TEST_F(ResultReportTest, CountThatIsNoNumberIsNotedButStillCalculated) {
    WriteTable(DefaultShipTable());
    const std::pair<const char*, const char*> notes[] = {
        {"many", "the count 'many' is not a whole number"},
        {"99999999999999999999",
         "the count '99999999999999999999' is too large: the largest accepted is "
         "9223372036854775807"},
        {"-99999999999999999999",
         "the count '-99999999999999999999' is too small: the smallest accepted is "
         "-9223372036854775808"},
    };
    for (const auto& [count, note] : notes) {
        const CalcRun result = Calc({"result", "Dreadnought", "Sovereign", count});
        EXPECT_EQ(result.Code, 0);
        EXPECT_TRUE(result.Out.starts_with("0 Dreadnought will kill 0 Sovereign")) << result.Out;
        EXPECT_EQ(result.Err, std::string("skirmod-calc: note: ") + note +
                                  "; the count box reads it as 0 ships\n");
    }
}
