#include "core/stats_edits.h"
#include "core/stats_storage.h"

#include <gtest/gtest.h>

#include "core/inputs.h"
#include "core/readouts.h"
#include "core/settings_edits.h"
#include "core/startup.h"
#include "data/default_ships.h"
#include "data/file_io.h"
#include "data/file_view.h"
#include "data/stats_file.h"
#include "data/temp_dir.h"

namespace {

constexpr std::size_t kGuns = static_cast<std::size_t>(Col::Guns);
constexpr std::size_t kName = static_cast<std::size_t>(Col::ShipName);

// The built-in table as a stats file, its first ship renamed.
std::string RenamedFileBytes(const std::string& firstName) {
    ShipTable table = DefaultShipTable();
    table[0][Col::ShipName] = firstName;
    FileView view;
    FillFileView(view, "Test file", table);
    view.Replace(kSettingsLineNumber, DefaultSettingsLine);
    return view.Text();
}

class StatsEditsTest : public ::testing::Test {
  protected:
    StatsEditsTest() {
        StartCore(state);
        SetInputs(state, 0, 1, "10");
    }
    ProgramState state;
};

}  // namespace

TEST(StatsFileWarning, TheDesktopsStartUpQuestions) {
    EXPECT_EQ(StatsFileWarning("/x/ShipStats.txt", StatsFileRead::NotFound),
              "Warning... /x/ShipStats.txt file not found. Proceed with default values ???");
    for (StatsFileRead read : {StatsFileRead::Unreadable, StatsFileRead::Damaged}) {
        EXPECT_EQ(StatsFileWarning("S.txt", read),
                  "Warning... S.txt file possibly corrupted. Proceed with default values ???");
    }
}

TEST_F(StatsEditsTest, CellEditsKeepLatin1AndRefuseWhatTheFileCannotHold) {
    struct Case {
        std::size_t row;
        std::size_t column;
        const char* utf8;
        CellEdit outcome;
        const char* stored;  // the cell's bytes afterwards
    };
    const std::string guns = StoredTable(state)[0][Col::Guns];
    const std::string name = StoredTable(state)[0][Col::ShipName];
    const Case cases[] = {
        {0, kGuns, "7", CellEdit::Stored, "7"},
        {0, kGuns, "J\xC3\xB6rg", CellEdit::Stored, "J\xF6rg"},
        {0, kGuns, "\xD0\x98", CellEdit::NotLatin1, guns.c_str()},
        {0, kGuns, "\xE2\x82\xAC", CellEdit::NotLatin1, guns.c_str()},
        {0, kGuns, "1\n2", CellEdit::LineBreak, guns.c_str()},
        {0, kGuns, "1\r", CellEdit::LineBreak, guns.c_str()},
        {0, kName, "Other", CellEdit::FixedCell, name.c_str()},
    };
    for (const Case& c : cases) {
        StartCore(state);
        BeginStatsEdit(state);
        EXPECT_EQ(EditStatsCell(state, c.row, c.column, c.utf8), c.outcome) << c.utf8;
        EXPECT_EQ(EditedStats(state)[c.row].fields[c.column], c.stored) << c.utf8;
        EXPECT_EQ(CellEditRefusalText(c.outcome).empty(),
                  c.outcome == CellEdit::Stored || c.outcome == CellEdit::FixedCell)
            << c.utf8;
    }
    EXPECT_EQ(EditStatsCell(state, kShipCount, kGuns, "1"), CellEdit::FixedCell);
    EXPECT_EQ(EditStatsCell(state, 0, kColumnCount, "1"), CellEdit::FixedCell);
}

TEST_F(StatsEditsTest, AWholeFileBecomesTheTableAndADamagedOneChangesNothing) {
    ASSERT_EQ(OpenStatsBytes(state, "mine.txt", RenamedFileBytes("Zed")), StatsFileRead::Whole);
    EXPECT_EQ(ShipNames(state)[0], "Zed");
    EXPECT_EQ(StatsFileHeader(state), "Test file");
    EXPECT_EQ(StatsFileLocation(state), "File location...  mine.txt");
    EXPECT_TRUE(CurrentResultLine(state).starts_with("10 Zed ")) << CurrentResultLine(state);

    std::string damaged = RenamedFileBytes("Yon");
    damaged.resize(damaged.rfind("\r\n", damaged.size() - 3) + 2);
    const std::string tooLarge(FileView::kMaxFileSize + 1, '\n');
    EXPECT_EQ(OpenStatsBytes(state, "d.txt", damaged), StatsFileRead::Damaged);
    EXPECT_EQ(OpenStatsBytes(state, "big.txt", tooLarge), StatsFileRead::Unreadable);
    EXPECT_EQ(ShipNames(state)[0], "Zed");
    EXPECT_EQ(StoredTable(state)[0][Col::ShipName], "Zed");
    EXPECT_EQ(StatsFileHeader(state), "Test file");
    EXPECT_EQ(StatsFileLocation(state), "File location...  mine.txt");
}

// A file a text editor saved as UTF-8 is read as the Latin-1 it stands for, and the header
// box says so once, until another file is read.
TEST_F(StatsEditsTest, AUtf8FileIsNamedSoInTheHeaderBox) {
    const std::string latin1 = RenamedFileBytes("Sp\xE9rrow");
    const std::string utf8 = "\xEF\xBB\xBF" + RenamedFileBytes("Sp\xC3\xA9rrow");
    ASSERT_EQ(OpenStatsBytes(state, "notepad.txt", utf8), StatsFileRead::Whole);
    EXPECT_EQ(ShipNames(state)[0], "Sp\xE9rrow");
    EXPECT_EQ(StatsFileLocation(state),
              "File location...  notepad.txt  (read as UTF-8 text; a save writes it in the "
              "program's 8-bit text)");
    EXPECT_EQ(StatsFileBytes(state), latin1);
    ASSERT_EQ(OpenStatsBytes(state, "plain.txt", latin1), StatsFileRead::Whole);
    EXPECT_EQ(StatsFileLocation(state), "File location...  plain.txt");
}

// The download's bytes are the desktop Save's: compared with a real save to disk.
TEST_F(StatsEditsTest, DownloadBytesEqualTheDesktopsSave) {
    TempDir dir;
    const std::string path = dir.File("Saved.txt");
    state.StatsEdit.Grid[3][Col::Armor] = "\xE9t\xE9";
    ASSERT_EQ(SaveModifiedStatsFile(state, path, "02/01/2026 10:11:12").Outcome,
              SaveOutcome::Saved);

    ProgramState web;
    StartCore(web);
    BeginStatsEdit(web);
    ASSERT_EQ(EditStatsCell(web, 3, static_cast<std::size_t>(Col::Armor), "\xC3\xA9t\xC3\xA9"),
              CellEdit::Stored);
    StoreEditedStats(web, "02/01/2026 10:11:12");
    const std::string bytes = StatsFileBytes(web);
    EXPECT_EQ(bytes, ReadBytes(path));
    EXPECT_TRUE(
        bytes.starts_with("Modified ShipStats.txt file. Last Edited... 02/01/2026 10:11:12\r\n"));
    EXPECT_NE(bytes.find("\r\n" + std::string(DefaultSettingsLine) + "\r\n"), std::string::npos);
    // The settings panel opens on the file's line 4: the stored file's, not a blank.
    OpenSettings(web);
    EXPECT_EQ(web.Settings.SavedSettingsLine, DefaultSettingsLine);
}

// The page keeps what the desktop's settings save writes, and its next start reads it back.
TEST_F(StatsEditsTest, AKeptSettingsSaveEqualsTheWrittenOneAndIsReadAtTheNextOpen) {
    constexpr char kLine[] = "1,1,250,3,7,clRed,$00123456,clSkyBlue,clAqua,clWhite,clNavy,clBlue,";
    TempDir dir;
    BuildDefaultStats(state);
    state.Stats.SaveFileName = dir.File("ShipStats.txt");
    ASSERT_EQ(SaveSettingsLine(state, kLine).Outcome, SaveOutcome::Saved);

    // The page's table: the built-in one until a file is opened.
    ProgramState web;
    StartCore(web);
    BuildDefaultStats(web);
    const std::string bytes = StoreSettingsLine(web, kLine);
    EXPECT_EQ(bytes, ReadBytes(state.Stats.SaveFileName));
    EXPECT_EQ(web.Settings.SavedSettingsLine, kLine);
    EXPECT_EQ(web.Settings.Display, DisplaySettings{}) << "kept, not yet read";

    ProgramState next;
    StartCore(next);
    ASSERT_EQ(OpenStatsBytes(next, "ShipStats.txt", bytes), StatsFileRead::Whole);
    const DisplaySettings d = next.Settings.Display;
    EXPECT_TRUE(d.ShowTipsOnStartup);
    EXPECT_EQ(d.DefaultFleetSize, 250);
    EXPECT_EQ(d.DefaultAttacker, 3);
    EXPECT_EQ(d.DefaultDefender, 7);
    EXPECT_EQ(d.MainBackground, 0x000000FFu);
    EXPECT_EQ(d.MainBorder, 0x00123456u);
    EXPECT_EQ(d.DetailsBackground, 0x00FFFFFFu);
}

TEST_F(StatsEditsTest, RestoreBringsTheBuiltInTableBack) {
    ASSERT_EQ(OpenStatsBytes(state, "mine.txt", RenamedFileBytes("Zed")), StatsFileRead::Whole);
    RestoreBuiltInStats(state);
    EXPECT_EQ(StoredTable(state), DefaultShipTable());
    EXPECT_EQ(ShipNames(state)[0], DefaultShipTable()[0][Col::ShipName]);
    EXPECT_EQ(StatsFileHeader(state), kDefaultFileHeader);
    EXPECT_EQ(StatsFileLocation(state),
              "WARNING -- ShipStats.txt file not found... using program defaults");
    EXPECT_TRUE(CurrentResultLine(state).starts_with("10 " + ShipNames(state)[0] + " "));
}
