#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/file_io.h"
#include "data/file_view.h"
#include "data/scripted_user.h"
#include "data/stats_file.h"
#include "data/temp_dir.h"
#include "data/unprivileged.h"

namespace {

// Start-up against whatever bytes ShipStats.txt holds in a scratch current directory.
class StatsFileFaultTest : public ::testing::Test {
  protected:
    StatsFileFaultTest() = default;

    std::string StatsPath() const { return dir.File("ShipStats.txt"); }

    static std::string DefaultFileText() {
        ProgramState defaults;
        BuildDefaultStats(defaults);
        return defaults.Stats.FileMemo.Text();
    }

    void LoadBytes(const std::string& bytes) {
        WriteBytes(StatsPath(), bytes);
        ui.Load(state);
    }

    TempDir dir;
    CurrentFolder inside{dir.Path()};
    ScriptedUser ui;
    ProgramState state;
};

// Keeps writes beyond `bytes` from succeeding, as a full disk would, for one scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

// Sets the process's file creation mask for one scope, so that default modes are known.
class CreationMask {
  public:
    explicit CreationMask(mode_t mask) : m_previous(umask(mask)) {}
    ~CreationMask() { umask(m_previous); }
    CreationMask(const CreationMask&) = delete;
    CreationMask& operator=(const CreationMask&) = delete;

  private:
    mode_t m_previous;
};

std::filesystem::perms PermissionsOf(const std::string& path) {
    return std::filesystem::status(path).permissions();
}

}  // namespace

TEST_F(StatsFileFaultTest, OddBytesInAWellFormedFileLoadAndSaveUnchanged) {
    std::string text = DefaultFileText();
    const std::string odd = std::string("N\0ll\xE9\xFF\x7F", 7);
    text.replace(text.find("Sparrow"), 7, odd);
    LoadBytes(text);
    EXPECT_EQ(ui.Questions(), 0);
    EXPECT_EQ(state.StoredStats[0][Col::ShipName], odd);

    ui.saveFile = dir.File("copy.txt");
    ASSERT_EQ(ui.SaveModified(state, state.StoredStats).Outcome, SaveOutcome::Saved);
    const std::string copy = ReadBytes(dir.File("copy.txt"));
    EXPECT_NE(copy.find(odd), std::string::npos);
    EXPECT_EQ(copy.substr(copy.find("\r\n")), text.substr(text.find("\r\n")));
}

TEST_F(StatsFileFaultTest, DamagedShapesFallBackToTheDefaults) {
    const std::string garbageLines = [] {
        std::string lines;
        for (int i = 0; i < 3079; ++i) {
            lines += std::string(1 + i % 7, static_cast<char>('!' + i % 90)) + "\n";
        }
        return lines;
    }();
    struct Case {
        const char* name;
        std::string bytes;
        bool damaged;
    };
    const Case cases[] = {
        {"empty", "", true},
        {"only line ends, too few", std::string(100, '\n'), true},
        {"3079 empty lines", std::string(3079, '\r'), false},
        {"3079 lines of garbage", garbageLines, false},
        {"one huge line", std::string(FileView::kMaxFileSize + 10, 'x'), true},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        LoadBytes(c.bytes);
        EXPECT_EQ(ui.Questions(), c.damaged ? 1 : 0) << c.name;
        EXPECT_EQ(state.Stats.FileMemo.Count(), kStatsFileLines) << c.name;
        if (c.damaged) {
            EXPECT_EQ(state.StoredStats, DefaultShipTable()) << c.name;
        }
        EXPECT_EQ(ReadBytes(StatsPath()).size(), c.bytes.size()) << c.name;
    }
}

TEST_F(StatsFileFaultTest, FileDeletedBetweenLoadAndSaveIsWrittenAnew) {
    LoadBytes(DefaultFileText());
    std::filesystem::remove(StatsPath());
    ui.saveFile = StatsPath();
    ASSERT_EQ(ui.SaveModified(state, state.StoredStats).Outcome, SaveOutcome::Saved);
    EXPECT_EQ(ReadBytes(StatsPath()), state.Stats.FileMemo.Text());
}

TEST_F(StatsFileFaultTest, FullDiskLeavesThePreviousFileWhole) {
    const std::string original = DefaultFileText();
    LoadBytes(original);
    ui.saveFile = StatsPath();
    SaveResult result;
    {
        FileSizeLimit limit(4096);
        result = ui.SaveModified(state, state.StoredStats);
    }
    EXPECT_EQ(result.Outcome, SaveOutcome::Failed);
    EXPECT_NE(result.Message.find("File too large"), std::string::npos) << result.Message;
    EXPECT_EQ(ReadBytes(StatsPath()), original);
    EXPECT_FALSE(HasTemporaryFile(dir.Path()));
    // A later save, with room again, succeeds.
    EXPECT_EQ(ui.SaveModified(state, state.StoredStats).Outcome, SaveOutcome::Saved);
}

TEST_F(StatsFileFaultTest, TargetThatIsAFolderIsRefused) {
    LoadBytes(DefaultFileText());
    std::filesystem::create_directory(dir.File("folder.txt"));
    ui.saveFile = dir.File("folder.txt");
    const SaveResult result = ui.SaveDefault(state);
    EXPECT_EQ(result.Outcome, SaveOutcome::Failed);
    EXPECT_NE(result.Message.find("Is a directory"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.txt")));
}

TEST_F(StatsFileFaultTest, StatsFileThatCannotBeReadCountsAsMissing) {
    WriteBytes(StatsPath(), DefaultFileText());
    std::filesystem::permissions(StatsPath(), std::filesystem::perms::none);
    const bool fellBack = RunWithoutRoot(dir.Path(), [&] {
        ui.Load(state);
        return ui.Questions() == 1 && state.StoredStats == DefaultShipTable();
    });
    EXPECT_TRUE(fellBack);
}

TEST_F(StatsFileFaultTest, SaveThroughALinkChangesTheLinkedFileAndKeepsTheLink) {
    const std::string target = dir.File("real.txt");
    WriteBytes(target, DefaultFileText());
    std::filesystem::create_symlink(target, StatsPath());
    ui.Load(state);
    ui.saveFile = StatsPath();
    state.StoredStats[0][Col::Armor] = "4321";
    ASSERT_EQ(ui.SaveModified(state, state.StoredStats).Outcome, SaveOutcome::Saved);
    EXPECT_TRUE(std::filesystem::is_symlink(StatsPath()));
    EXPECT_EQ(std::filesystem::read_symlink(StatsPath()), target);
    EXPECT_EQ(ReadBytes(target), state.Stats.FileMemo.Text());
    EXPECT_FALSE(HasTemporaryFile(dir.Path()));
}

TEST_F(StatsFileFaultTest, ChainedAndRelativeLinksLeadToTheLastFile) {
    std::filesystem::create_directory(dir.File("data"));
    const std::string target = dir.File("data/real.txt");
    WriteBytes(target, "old");
    // ShipStats.txt -> middle.txt (relative) -> data/real.txt (relative)
    std::filesystem::create_symlink("data/real.txt", dir.File("middle.txt"));
    std::filesystem::create_symlink("middle.txt", StatsPath());
    const std::string text = DefaultFileText();
    FileView view;
    view.SetText(text);
    ASSERT_EQ(view.WriteTo(StatsPath()).Message, "");
    EXPECT_TRUE(std::filesystem::is_symlink(StatsPath()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("middle.txt")));
    EXPECT_EQ(ReadBytes(target), text);
    EXPECT_EQ(std::filesystem::read_symlink(StatsPath()), "middle.txt");
}

// A relative link names a file beside itself, whichever folder the program runs in: here
// the working folder is not the link's, so a wrong reading would write a stray file there.
TEST_F(StatsFileFaultTest, RelativeLinkIsReadFromItsOwnFolder) {
    std::filesystem::create_directory(dir.File("game"));
    const std::string target = dir.File("game/real.txt");
    std::filesystem::create_symlink("real.txt", dir.File("game/ShipStats.txt"));
    FileView view;
    view.SetText("new\r\n");
    for (const std::string& link :
         {dir.File("game/ShipStats.txt"), std::string("game/ShipStats.txt")}) {
        WriteBytes(target, "old");
        ASSERT_EQ(view.WriteTo(link).Message, "") << link;
        EXPECT_EQ(ReadBytes(target), "new\r\n") << link;
        EXPECT_TRUE(std::filesystem::is_symlink(dir.File("game/ShipStats.txt"))) << link;
        EXPECT_FALSE(std::filesystem::exists(dir.File("real.txt"))) << link;
    }
}

TEST_F(StatsFileFaultTest, DanglingLinkCreatesTheFileItPointsTo) {
    const std::string target = dir.File("made.txt");
    std::filesystem::create_symlink("made.txt", StatsPath());
    FileView view;
    view.SetText("new\r\n");
    ASSERT_EQ(view.WriteTo(StatsPath()).Message, "");
    EXPECT_TRUE(std::filesystem::is_symlink(StatsPath()));
    EXPECT_EQ(ReadBytes(target), "new\r\n");
}

TEST_F(StatsFileFaultTest, LinkLoopIsRefused) {
    std::filesystem::create_symlink("b.txt", dir.File("a.txt"));
    std::filesystem::create_symlink("a.txt", dir.File("b.txt"));
    FileView view;
    view.SetText("x");
    const std::string error = view.WriteTo(dir.File("a.txt")).Message;
    EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("a.txt")));
}

TEST_F(StatsFileFaultTest, SaveKeepsThePermissionsOfTheFileItReplaces) {
    using std::filesystem::perms;
    const CreationMask mask(022);
    for (const perms mode : {perms::owner_read | perms::owner_write,
                             perms::owner_read | perms::owner_write | perms::group_read}) {
        WriteBytes(StatsPath(), DefaultFileText());
        std::filesystem::permissions(StatsPath(), mode);
        ui.Load(state);
        ui.saveFile = StatsPath();
        ASSERT_EQ(ui.SaveModified(state, state.StoredStats).Outcome, SaveOutcome::Saved);
        EXPECT_EQ(PermissionsOf(StatsPath()), mode);
        EXPECT_EQ(ReadBytes(StatsPath()), state.Stats.FileMemo.Text());
    }
}

TEST_F(StatsFileFaultTest, SaveThroughALinkKeepsTheLinkedFilesPermissions) {
    using std::filesystem::perms;
    const CreationMask mask(022);
    const std::string target = dir.File("private.txt");
    WriteBytes(target, DefaultFileText());
    std::filesystem::permissions(target, perms::owner_read | perms::owner_write);
    std::filesystem::create_symlink("private.txt", StatsPath());
    FileView view;
    view.SetText("changed");
    ASSERT_EQ(view.WriteTo(StatsPath()).Message, "");
    EXPECT_EQ(PermissionsOf(target), perms::owner_read | perms::owner_write);
    EXPECT_EQ(ReadBytes(target), "changed");
}

TEST_F(StatsFileFaultTest, NewFileGetsTheDefaultMode) {
    using std::filesystem::perms;
    const CreationMask mask(027);
    FileView view;
    view.SetText("new");
    ASSERT_EQ(view.WriteTo(StatsPath()).Message, "");
    EXPECT_EQ(PermissionsOf(StatsPath()),
              perms::owner_read | perms::owner_write | perms::group_read);
}
