#include "data/stats_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "core/program_state.h"
#include "core/startup.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/file_io.h"
#include "data/file_view.h"
#include "data/scripted_user.h"
#include "data/temp_dir.h"

namespace {

// Runs in a fresh current directory, as the program does at start-up.
class StatsFileTest : public ::testing::Test {
  protected:
    StatsFileTest() { StartCore(state); }

    std::string StatsPath() const { return dir.File("ShipStats.txt"); }

    // A file as the program writes it, with one value changed and a custom settings line.
    std::string ValidFileText() {
        ShipTable table = DefaultShipTable();
        table[53][Col::ShipType] = "Edited";
        FileView view;
        FillFileView(view, "any header", table);
        view.Replace(kSettingsLineNumber, "0,1,250,3,4,clRed,clRed,clRed,clRed,clRed,clRed,clRed,");
        return view.Text();
    }

    TempDir dir;
    CurrentFolder inside{dir.Path()};
    ScriptedUser ui;
    ProgramState state;
};

}  // namespace

TEST_F(StatsFileTest, ValidFileFillsTableAndSettings) {
    WriteBytes(StatsPath(), ValidFileText());
    ui.Load(state);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(state.Stats.StatsFilePath, StatsPath());
    EXPECT_EQ(state.Stats.ReadMePath, dir.File("ReadMe1st.txt"));
    EXPECT_TRUE(state.Stats.StatsFileFound);
    EXPECT_EQ(state.StoredStats[53][Col::ShipType], "Edited");
    EXPECT_EQ(state.StoredStats[0], DefaultShipTable()[0]);
    EXPECT_EQ(state.Settings.Display.DefaultFleetSize, 250);
    EXPECT_EQ(state.Settings.Display.MainText, 0x000000FFu);
}

TEST_F(StatsFileTest, OnlyTheLineCountIsChecked) {
    FileView view;
    view.SetText(ValidFileText());
    view.Replace(1, "whatever");
    view.Replace(2, "not a label");
    view.Replace(6, "");
    view.Replace(3, "  odd name ");
    WriteBytes(StatsPath(), view.Text());
    ui.Load(state);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(state.StoredStats[0][Col::ShipName], "  odd name ");
    EXPECT_EQ(state.StoredStats[0][Col::Race], "");
}

TEST_F(StatsFileTest, LoneLineEndsLoadLikeCrLf) {
    std::string lf = ValidFileText();
    std::string cr = lf;
    std::erase(lf, '\r');
    std::erase(cr, '\n');
    for (const std::string& text : {lf, cr}) {
        WriteBytes(StatsPath(), text);
        ui.Load(state);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(state.StoredStats[53][Col::ShipType], "Edited");
        EXPECT_EQ(state.Stats.FileMemo.Text(), ValidFileText());
    }
}

// A file Notepad saved in UTF-8, with its byte-order mark or an accented name, is read as
// the Latin-1 the program holds and written so; any other file is taken byte for byte.
TEST_F(StatsFileTest, Utf8FromNotepadIsReadAsLatin1) {
    const std::string plain = ValidFileText();
    const auto named = [&plain](const std::string& name) {
        std::string text = plain;
        return text.replace(text.find("Sparrow"), 7, name);
    };
    const std::string bom = "\xEF\xBB\xBF";
    const std::string latin1 = named("Sp\xE9rrow");
    const std::string euro = named("Sp\xE2\x82\xACrrow");
    struct Case {
        const char* what;
        std::string bytes;
        bool asUtf8;
        std::string saved;
        std::string name;
    };
    const Case cases[] = {
        {"marked", bom + plain, true, plain, "Sparrow"},
        {"accented", named("Sp\xC3\xA9rrow"), true, latin1, "Sp\xE9rrow"},
        {"Latin-1", latin1, false, latin1, "Sp\xE9rrow"},
        {"marked and accented", bom + named("Sp\xC3\xA9rrow"), true, latin1, "Sp\xE9rrow"},
        {"beyond Latin-1", euro, false, euro, "Sp\xE2\x82\xACrrow"},
        {"marked, beyond Latin-1", bom + euro, false, bom + euro, "Sp\xE2\x82\xACrrow"},
    };
    for (const Case& c : cases) {
        WriteBytes(StatsPath(), c.bytes);
        LoadStatsFile(state);
        EXPECT_TRUE(ui.messages.empty()) << c.what;
        const FileView& view = state.Stats.FileMemo;
        EXPECT_EQ(view.Count(), kStatsFileLines) << c.what;
        EXPECT_EQ(view.ReadAsUtf8(), c.asUtf8) << c.what;
        EXPECT_EQ(state.StoredStats[0][Col::ShipName], c.name) << c.what;
        ASSERT_EQ(view.WriteTo(dir.File("saved.txt")).Message, "") << c.what;
        EXPECT_EQ(ReadBytes(dir.File("saved.txt")), c.saved) << c.what;
    }
}

TEST_F(StatsFileTest, OneLineTooFewOrTooManyIsDamaged) {
    const std::string text = ValidFileText();
    // The last line is empty: dropping its line end leaves 3078 lines.
    const std::string shorter = text.substr(0, text.size() - 2);
    const std::string longer = text + "extra\r\n";
    for (const std::string& damaged : {shorter, longer}) {
        ui.messages.clear();
        WriteBytes(StatsPath(), damaged);
        ui.Load(state);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], "Warning... " + StatsPath() +
                                      " file possibly corrupted. Proceed with default values ???");
        EXPECT_EQ(state.StoredStats, DefaultShipTable());
        EXPECT_EQ(state.Settings.Display, DisplaySettings{});
        EXPECT_FALSE(state.Stats.StatsFileFound);
        EXPECT_EQ(state.Stats.FileMemo.Line(1), kDefaultFileHeader);
        EXPECT_EQ(ReadBytes(StatsPath()), damaged);
        EXPECT_FALSE(ui.quit);
    }
}

TEST_F(StatsFileTest, MissingFileAsksAndAbortRequestsQuit) {
    ui.okAnswer = false;
    ui.Load(state);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "Warning... " + StatsPath() + " file not found. Proceed with default values ???");
    EXPECT_TRUE(ui.quit);
    EXPECT_EQ(state.StoredStats, DefaultShipTable());
    EXPECT_EQ(state.Stats.FileMemo.Count(), kStatsFileLines);
    EXPECT_EQ(state.Stats.FileMemo.Line(4), DefaultSettingsLine);
    EXPECT_FALSE(std::filesystem::exists(StatsPath()));
}

TEST_F(StatsFileTest, OversizedFileIsDamagedNotRead) {
    WriteBytes(StatsPath(), "x");
    std::filesystem::resize_file(StatsPath(), FileView::kMaxFileSize + 1);
    ui.Load(state);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("possibly corrupted"), std::string::npos);
    EXPECT_EQ(state.StoredStats, DefaultShipTable());
}

TEST_F(StatsFileTest, DefaultFileRoundTripsByteForByte) {
    ui.saveFile = StatsPath();
    ASSERT_EQ(ui.SaveDefault(state).Outcome, SaveOutcome::Saved);
    const std::string written = ReadBytes(StatsPath());
    EXPECT_EQ(ui.dialogStarts.size(), 1u);
    EXPECT_TRUE(state.Stats.StatsFileFound);
    EXPECT_TRUE(written.starts_with(std::string(kDefaultFileHeader) + "\r\nShipName :-\r\n"));
    EXPECT_TRUE(written.ends_with("ShipType :-\r\nPDS\r\n\r\n"));

    ProgramState again;
    ui.Load(again);
    EXPECT_EQ(again.StoredStats, DefaultShipTable());
    ASSERT_EQ(ui.SaveModified(again, again.StoredStats).Outcome, SaveOutcome::Saved);
    std::string expected = written;
    expected.replace(0, kDefaultFileHeader.size(),
                     std::string(kModifiedFileHeader) + "07/12/2026 09:15:30");
    EXPECT_EQ(ReadBytes(StatsPath()), expected);
}

TEST_F(StatsFileTest, ModifiedSaveTakesTheGridAndRemembersTheName) {
    ShipTable grid = DefaultShipTable();
    grid[7][Col::Guns] = "42";
    state.Settings.SettingsLine = "1,1,9,2,3,clRed,clRed,clRed,clRed,clRed,clRed,clRed,";
    ui.saveFile = dir.File("other.txt");
    ASSERT_EQ(ui.SaveModified(state, grid).Outcome, SaveOutcome::Saved);
    EXPECT_EQ(state.StoredStats, grid);
    EXPECT_EQ(state.Stats.SaveFileName, dir.File("other.txt"));
    EXPECT_EQ(state.Stats.FileMemo.Line(1),
              "Modified ShipStats.txt file. Last Edited... 07/12/2026 09:15:30");
    EXPECT_EQ(state.Stats.FileMemo.Line(4), state.Settings.SettingsLine);
    EXPECT_EQ(state.Stats.FileMemo.Line(3 * (7 * 19 + 9) + 3), "42");
    EXPECT_EQ(ReadBytes(dir.File("other.txt")), state.Stats.FileMemo.Text());
    EXPECT_FALSE(std::filesystem::exists(StatsPath()));
}

TEST_F(StatsFileTest, NextDialogOpensAtTheLastConfirmedFile) {
    ui.Load(state);
    ui.saveFile = std::nullopt;
    ui.SaveModified(state, state.StoredStats);
    ui.saveFile = dir.File("chosen.txt");
    ASSERT_EQ(ui.SaveModified(state, state.StoredStats).Outcome, SaveOutcome::Saved);
    ui.saveFile = std::nullopt;
    EXPECT_EQ(ui.SaveDefault(state).Outcome, SaveOutcome::Cancelled);
    EXPECT_EQ(ui.SaveModified(state, state.StoredStats).Outcome, SaveOutcome::Cancelled);
    EXPECT_EQ(state.Stats.SaveFileName, dir.File("chosen.txt"));
    const std::vector<std::string> expected{StatsPath(), StatsPath(), dir.File("chosen.txt"),
                                            dir.File("chosen.txt")};
    EXPECT_EQ(ui.dialogStarts, expected);
}

TEST_F(StatsFileTest, CancelledDialogsChangeNothing) {
    WriteBytes(StatsPath(), ValidFileText());
    ui.Load(state);
    const ShipTable stored = state.StoredStats;
    const std::string view = state.Stats.FileMemo.Text();
    ShipTable grid = stored;
    grid[0][Col::ShipName] = "Changed";
    EXPECT_EQ(ui.SaveModified(state, grid).Outcome, SaveOutcome::Cancelled);
    EXPECT_EQ(ui.SaveDefault(state).Outcome, SaveOutcome::Cancelled);
    EXPECT_EQ(state.StoredStats, stored);
    EXPECT_EQ(state.Stats.FileMemo.Text(), view);
    EXPECT_EQ(state.Stats.SaveFileName, "ShipStats.txt");
    EXPECT_EQ(state.Settings.Display.DefaultFleetSize, 250);
    EXPECT_EQ(ReadBytes(StatsPath()), ValidFileText());
}

TEST_F(StatsFileTest, FailedSaveReportsTheReasonAndKeepsTheOldFile) {
    WriteBytes(StatsPath(), ValidFileText());
    ui.Load(state);
    // A folder where the file should go: the save is refused before anything is written.
    ui.saveFile = dir.File("Folder.txt");
    std::filesystem::create_directory(*ui.saveFile);
    const SaveResult result = ui.SaveModified(state, DefaultShipTable());
    EXPECT_EQ(result.Outcome, SaveOutcome::Failed);
    EXPECT_NE(result.Message.find(kIsAFolder), std::string::npos) << result.Message;
    EXPECT_EQ(ReadBytes(StatsPath()), ValidFileText());
    EXPECT_EQ(state.StoredStats, DefaultShipTable());  // the new contents are held in memory
}

TEST_F(StatsFileTest, SettingsSaveWritesLineFourToTheRememberedFile) {
    WriteBytes(StatsPath(), ValidFileText());
    ui.Load(state);
    const std::string line = "1,1,33,2,5,clBlack,clRed,clRed,clAqua,clSkyBlue,clNavy,clBlue,";
    ASSERT_EQ(SaveSettingsLine(state, line).Outcome, SaveOutcome::Saved);
    EXPECT_EQ(state.Settings.SettingsLine, line);
    EXPECT_EQ(state.Settings.SavedSettingsLine, line);
    FileView expected;
    expected.SetText(ValidFileText());
    expected.Replace(kSettingsLineNumber, line);
    EXPECT_EQ(ReadBytes(StatsPath()), expected.Text());

    state.Stats.SaveFileName = dir.File("Folder.txt");
    std::filesystem::create_directory(state.Stats.SaveFileName);
    const SaveResult failed = SaveSettingsLine(state, std::string(DefaultSettingsLine));
    EXPECT_EQ(failed.Outcome, SaveOutcome::Failed);
    EXPECT_EQ(state.Settings.SavedSettingsLine, line);
    EXPECT_EQ(state.Stats.FileMemo.Line(kSettingsLineNumber), DefaultSettingsLine);
    EXPECT_EQ(ReadBytes(StatsPath()), expected.Text());
}
