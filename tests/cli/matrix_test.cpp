#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "combat/random_table.h"
#include "data/file_io.h"

namespace {

using nlohmann::json;

class MatrixTest : public CliTest {
  protected:
    MatrixTest() { WriteTable(DefaultShipTable()); }

    // The table with its settings line starting the calculator at `fleetSize` ships.
    void WriteWithFleetSize(const std::string& fleetSize) {
        FileView view;
        FillFileView(view, "test table", DefaultShipTable());
        view.Replace(kSettingsLineNumber, "1,0," + fleetSize +
                                              ",0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,"
                                              "clNavy,clBlue,");
        ASSERT_EQ(view.WriteTo(StatsPath()).Message, "");
    }

    json MatrixJson(std::vector<std::string> args) {
        args.insert(args.begin(), {"matrix", "--json"});
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.Code, 0) << run.Err;
        return json::parse(run.Out);
    }

    // The cell against what the windows show for that pairing and count.
    void ExpectCellAsTheWindowsShow(const json& cells, int att, int def, const std::string& count) {
        const ProgramState& shown = AsTheWindowsShow(att, def, count);
        const json& cell = cells[att][def];
        const std::string where = std::to_string(att) + " v " + std::to_string(def);
        EXPECT_EQ(cell["result"], shown.Combat.ShipsResult) << where;
        if (shown.Results.Efficiency.empty()) {
            EXPECT_TRUE(cell["efficiency"].is_null()) << where;
            EXPECT_TRUE(cell["color"].is_null()) << where;
        } else {
            EXPECT_EQ(cell["efficiency"].get<std::string>() + "%", shown.Results.Efficiency)
                << where;
            EXPECT_EQ(cell["color"].get<std::string>().size(), 7U) << where;
        }
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

}  // namespace

TEST_F(MatrixTest, JsonCellsAreTheCalculatorsFiguresOnAnEditedTable) {
    RandomText random(54);
    ShipTable table = DefaultShipTable();
    Scramble(table, random);
    WriteTable(table);
    const json answer = MatrixJson({"--count", "750"});
    EXPECT_EQ(answer["command"], "matrix");
    EXPECT_EQ(answer["count"], 750);
    ASSERT_EQ(answer["ships"].size(), kShipCount);
    EXPECT_EQ(answer["ships"][10], table[10][Col::ShipName]);
    const json& cells = answer["cells"];
    ASSERT_EQ(cells.size(), kShipCount);
    for (const json& row : cells) {
        ASSERT_EQ(row.size(), kShipCount);
    }
    for (int pick = 0; pick < 25; ++pick) {
        ExpectCellAsTheWindowsShow(cells, static_cast<int>(random.Pick(kShipCount)),
                                   static_cast<int>(random.Pick(kShipCount)), "750");
    }
}

TEST_F(MatrixTest, BuiltInFiguresAndColoursByHand) {
    const json cells = MatrixJson({"--count", "1000"})["cells"];
    // Dreadnought against Sovereign: 544 killed, as `result` says; the colour is the
    // scale's at that efficiency, and a Harrier cannot target a Sparrow.
    ExpectCellAsTheWindowsShow(cells, 11, 10, "1000");
    EXPECT_EQ(cells[11][10]["result"], 544);
    EXPECT_EQ(cells[11][10]["variant"], "kill");
    ExpectCellAsTheWindowsShow(cells, 2, 0, "1000");
    EXPECT_TRUE(cells[2][0]["color"].is_null());
    EXPECT_EQ(cells[2][0]["variant"], "no_target");
    for (const json& row : cells) {
        for (const json& cell : row) {
            if (cell["efficiency"] == "0") {
                EXPECT_EQ(cell["color"], "#440154");  // the scale's bottom
            }
        }
    }
}

TEST_F(MatrixTest, CountDefaultsToTheStartUpCountOrAThousand) {
    EXPECT_EQ(MatrixJson({})["count"], 1000);  // the classic settings start at 0 ships
    WriteWithFleetSize("77");
    EXPECT_EQ(MatrixJson({})["count"], 77);
    WriteWithFleetSize("-5");
    EXPECT_EQ(MatrixJson({})["count"], 1000);
    // Read as the count box reads it, noted when it is no number.
    EXPECT_EQ(MatrixJson({"--count", "$10"})["count"], 16);
    const CalcRun typo = Calc({"matrix", "--json", "--count", "12x"});
    EXPECT_EQ(json::parse(typo.Out)["count"], 0);
    EXPECT_EQ(typo.Err,
              "skirmod-calc: note: the count '12x' is not a whole number; the count box reads "
              "it as 0 ships\n");
}

TEST_F(MatrixTest, TextAndCsvGiveEveryPairingAsTheJsonDoes) {
    const json cells = MatrixJson({"--count", "300"})["cells"];
    const std::vector<std::string> csv = Lines(Calc({"matrix", "--csv", "--count", "300"}).Out);
    const std::vector<std::string> text = Lines(Calc({"matrix", "--count", "300"}).Out);
    ASSERT_EQ(csv.size(), 1 + kShipCount * kShipCount);
    ASSERT_EQ(text.size(), 2 + kShipCount * kShipCount);
    EXPECT_EQ(csv[0], "attacker,defender,variant,result,efficiency,color");
    EXPECT_EQ(text[0],
              "Every attacker against every defender at 300 ships: ships killed, held or captured "
              "in one tick, and resource efficiency:");
    const ShipTable& table = DefaultShipTable();
    for (std::size_t att = 0; att < kShipCount; ++att) {
        for (std::size_t def = 0; def < kShipCount; ++def) {
            const json& cell = cells[att][def];
            const std::size_t at = att * kShipCount + def;
            const bool target = !cell["efficiency"].is_null();
            const std::string efficiency = target ? cell["efficiency"].get<std::string>() : "";
            EXPECT_EQ(csv[1 + at], table[att][Col::ShipName] + "," + table[def][Col::ShipName] +
                                       "," + cell["variant"].get<std::string>() + "," +
                                       std::to_string(cell["result"].get<std::int64_t>()) + "," +
                                       efficiency + "," +
                                       (target ? cell["color"].get<std::string>() : ""));
            const std::vector<std::string> ending =
                target
                    ? std::vector<std::string>{std::to_string(cell["result"].get<std::int64_t>()),
                                               efficiency + "%"}
                    : std::vector<std::string>{"-", "no", "target"};
            const std::vector<std::string> words = Words(text[2 + at]);
            EXPECT_TRUE(std::equal(ending.rbegin(), ending.rend(), words.rbegin())) << text[2 + at];
            EXPECT_TRUE(text[2 + at].starts_with("  " + table[att][Col::ShipName] + " "));
        }
    }
}

TEST_F(MatrixTest, CsvQuotesNamesWithCommasAndQuotes) {
    ShipTable table = DefaultShipTable();
    table[0][Col::ShipName] = "Spar,row \"A\"";
    WriteTable(table);
    const std::vector<std::string> csv = Lines(Calc({"matrix", "--csv"}).Out);
    EXPECT_TRUE(csv[1].starts_with("\"Spar,row \"\"A\"\"\",\"Spar,row \"\"A\"\"\",")) << csv[1];
}

TEST_F(MatrixTest, SvgIsWrittenInUtf8WithTheCountAndTheTable) {
    ShipTable table = DefaultShipTable();
    table[3][Col::ShipName] = "J\xF6rg";
    WriteTable(table);
    const std::string path = m_dir.File("map.svg");
    const CalcRun run = Calc({"matrix", "--count", "1000", "--svg", path});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    const std::string svg = ReadBytes(path);
    EXPECT_NE(svg.find(">J\xC3\xB6rg</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Resource efficiency of every pairing at 1000 ships<"), std::string::npos);
    EXPECT_NE(svg.find(">Table: test table<"), std::string::npos);
    std::size_t squares = 0;
    for (std::size_t at = svg.find("</title></rect>"); at != std::string::npos;
         at = svg.find("</title></rect>", at + 1)) {
        ++squares;
    }
    EXPECT_EQ(squares, kShipCount * kShipCount);
}

TEST_F(MatrixTest, FormatsExcludeEachOtherAndAnUnwritableFileFails) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"matrix", "--json", "--csv"},
          std::vector<std::string>{"--json", "matrix", "--svg", m_dir.File("x.svg")},
          std::vector<std::string>{"matrix", "--csv", "--svg", m_dir.File("x.svg")}}) {
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Err, "skirmod-calc: matrix: --json, --csv and --svg exclude each other\n");
        EXPECT_EQ(run.Out, "");
    }
    const CalcRun run = Calc({"matrix", "--svg", m_dir.File("absent/map.svg")});
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "skirmod-calc: cannot write " + m_dir.File("absent/map.svg") +
                           ": No such file or directory\n");
}
