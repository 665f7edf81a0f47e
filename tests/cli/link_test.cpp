#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "combat/random_table.h"
#include "core/readouts.h"
#include "core/share_link.h"

namespace {

class LinkTest : public CliTest {
  protected:
    // skirmod-calc link with the page's address from the surroundings.
    CalcRun Link(std::vector<std::string> args, const std::string& pageUrl) {
        args.insert(args.begin(), {"skirmod-calc", "--stats", StatsPath(), "link"});
        CalcEnvironment env;
        env.PageUrl = pageUrl;
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunCalc(args, env, out, err);
        return {code, out.str(), err.str()};
    }
};

}  // namespace

TEST_F(LinkTest, PrintsThePartFromTheHashOrAfterTheGivenAddress) {
    WriteTable(DefaultShipTable());
    const CalcRun bare = Link({"harr", "Sparrow", "1000"}, "");
    EXPECT_EQ(bare.Code, 0);
    EXPECT_EQ(bare.Out, "#att=Harrier&def=Sparrow&n=1000\n");
    EXPECT_EQ(Link({"Harrier", "Sparrow", "$10"}, "https://example.org/sk/#old").Out,
              "https://example.org/sk/#att=Harrier&def=Sparrow&n=16\n");
    EXPECT_EQ(Link({"Harrier", "Sparrow", "5", "--base", "http://a/b?x=1"}, "https://e/").Out,
              "http://a/b?x=1#att=Harrier&def=Sparrow&n=5\n");
    const CalcRun words = Link({"Harrier", "Sparrow", "lots"}, "");
    EXPECT_EQ(words.Out, "#att=Harrier&def=Sparrow&n=0\n");
    EXPECT_NE(words.Err.find("reads it as 0 ships"), std::string::npos);
    const CalcRun unknown = Link({"Nobody", "Sparrow", "5"}, "");
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_EQ(unknown.Out, "");
}

// A stats file of random cells: the link carries them, and read back it gives the table,
// the ships and the companion's own result line.
TEST_F(LinkTest, CarriesTheFilesChangedCellsToTheSameResult) {
    RandomText random(41);
    for (int round = 0; round < 10; ++round) {
        ShipTable table = DefaultShipTable();
        for (int i = 0; i < 25; ++i) {
            const std::size_t col = 1 + random.Pick(kColumnCount - 1);
            table[random.Pick(kShipCount)].fields[col] =
                IsWordColumn(col) ? random.Word() : random.Number();
        }
        WriteTable(table);
        const auto attacker = random.Pick(kShipCount);
        const auto defender = random.Pick(kShipCount);
        const std::string& attName = table[attacker][Col::ShipName];
        const std::string& defName = table[defender][Col::ShipName];
        const std::string count = std::to_string(random.Pick(100000));
        const CalcRun link = Link({attName, defName, count}, "");
        ASSERT_EQ(link.Code, 0) << link.Err;
        const LinkRead read = ReadShareLink(link.Out.substr(0, link.Out.size() - 1));
        ASSERT_TRUE(read.Battle) << read.Problem;
        EXPECT_EQ(read.Battle->Table, table);
        EXPECT_EQ(read.Battle->Attacker, static_cast<int>(attacker));
        EXPECT_EQ(read.Battle->Defender, static_cast<int>(defender));
        ProgramState state;
        StartCore(state);
        OpenSharedBattle(state, *read.Battle);
        EXPECT_EQ(CurrentResultLine(state) + "\n", Calc({"result", attName, defName, count}).Out);
    }
}

TEST_F(LinkTest, TableTooUnlikeTheBuiltInOneIsRefused) {
    ShipTable table = DefaultShipTable();
    RandomText random(42);
    for (ShipRecord& ship : table) {
        for (std::size_t col = 1; col < kColumnCount; ++col) {
            std::string noise(60, ' ');
            for (char& c : noise) {
                c = static_cast<char>('!' + random.Pick(94));
            }
            ship.fields[col] = noise;
        }
    }
    WriteTable(table);
    const CalcRun link = Link({"Harrier", "Sparrow", "5"}, "");
    EXPECT_EQ(link.Code, 1);
    EXPECT_EQ(link.Out, "");
    EXPECT_NE(link.Err.find("too much to fit a link of 32768 characters"), std::string::npos)
        << link.Err;
}
