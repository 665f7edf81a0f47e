#include "data/platform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/file_io.h"
#include "data/file_view.h"
#include "data/scripted_user.h"
#include "data/temp_dir.h"

namespace {

// Folder names outside ASCII; on Windows no ANSI code page holds both.
// The names are given as UTF-8 bytes.
class ForeignFolderTest : public ::testing::TestWithParam<std::string> {
  protected:
    // The folder as the system names it, built without the code under test.
    std::filesystem::path Folder() const {
        const std::string& name = GetParam();
        return dir.Path() / std::filesystem::path(std::u8string(name.begin(), name.end()));
    }
    std::string FolderText() const {
        return PathText(dir.Path()) +
               static_cast<char>(std::filesystem::path::preferred_separator) + GetParam();
    }

    TempDir dir;
};

}  // namespace

TEST_P(ForeignFolderTest, StatsFileIsWrittenFoundAndReadThere) {
    std::filesystem::create_directory(Folder());
    ProgramState written;
    BuildDefaultStats(written);
    const std::string file = FolderText() +
                             static_cast<char>(std::filesystem::path::preferred_separator) +
                             "ShipStats.txt";
    ASSERT_EQ(written.Stats.FileMemo.WriteTo(file).Message, "");
    EXPECT_TRUE(std::filesystem::is_regular_file(Folder() / "ShipStats.txt"));

    CurrentFolder inside(Folder());
    ScriptedUser ui;
    ProgramState loaded;
    ui.Load(loaded);
    EXPECT_EQ(ui.Questions(), 0);
    EXPECT_EQ(loaded.Stats.StatsFilePath, file);
    EXPECT_EQ(loaded.Stats.FileMemo.Text(), written.Stats.FileMemo.Text());
}

INSTANTIATE_TEST_SUITE_P(NonAscii, ForeignFolderTest,
                         ::testing::Values("J\xC3\xB6rg",
                                           "\xD0\x98\xD0\xB3\xD1\x80\xD0\xBE\xD0\xBA"),
                         [](const auto& info) { return info.index == 0 ? "Latin" : "Cyrillic"; });

// Two saves never share a temporary file: one made for writing refuses a name in use.
TEST(NewFileTest, ANameInUseIsRefusedAndItsFileKept) {
    TempDir dir;
    const std::filesystem::path path = dir.Path() / "ShipStats.txt.saving";
    NewFile first = CreateNewFile(path);
    ASSERT_NE(first.File, nullptr) << first.Failure;
    ASSERT_GE(std::fputs("first", first.File), 0);
    ASSERT_EQ(std::fclose(first.File), 0);

    const NewFile second = CreateNewFile(path);
    EXPECT_EQ(second.File, nullptr);
    EXPECT_TRUE(second.NameTaken);
    EXPECT_FALSE(second.Failure.empty());
    EXPECT_EQ(ReadBytes(path.string()), "first");
}
