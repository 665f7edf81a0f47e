// Saves under a disk that fails to sync, and saves that run into each other. This
// executable stands in for the C library's fsync and fwrite, so that a failure is the
// system's own answer and a second save runs at a chosen moment of the first, not through
// a hook in the program.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/stats_storage.h"
#include "data/file_io.h"
#include "data/file_view.h"
#include "data/scripted_user.h"
#include "data/temp_dir.h"

namespace {

struct FileAtSync {
    off_t size;
    mode_t mode;
};

struct SystemStandIn {
    int syncCalls = 0;
    int failingCall = 0;  // 1-based; 0: none fails
    int failingError = 0;
    std::vector<FileAtSync> filesAtSync;
    // Runs once, before the next write or the next sync of a file.
    std::function<void()> beforeWrite;
    std::function<void()> beforeFileSync;
};

SystemStandIn g_system;

template <typename Function>
Function* RealFunction(const char* name) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        g_system.filesAtSync.push_back({status.st_size, status.st_mode & 07777});
        if (auto interleaved = std::exchange(g_system.beforeFileSync, {})) {
            interleaved();
        }
    }
    if (++g_system.syncCalls == g_system.failingCall) {
        errno = g_system.failingError;
        return -1;
    }
    static const auto real = RealFunction<int(int)>("fsync");
    return real(fd);
}

extern "C" size_t fwrite(const void* data, size_t size, size_t count, FILE* file) {
    if (auto interleaved = std::exchange(g_system.beforeWrite, {})) {
        interleaved();
    }
    static const auto real = RealFunction<size_t(const void*, size_t, size_t, FILE*)>("fwrite");
    return real(data, size, count, file);
}

namespace {

FileView ViewOf(const std::string& line, int lines) {
    FileView view;
    for (int i = 0; i < lines; ++i) {
        view.Append(line);
    }
    return view;
}

class SaveTest : public ::testing::Test {
  protected:
    SaveTest() {
        g_system = {};
        WriteBytes(Target(), "old\r\n");
    }
    ~SaveTest() override { g_system = {}; }
    std::string Target() const { return dir.File("ShipStats.txt"); }

    TempDir dir;
};

}  // namespace

// The data and the mode bits are in the file when it is synced, then the folder follows.
TEST_F(SaveTest, TheFileIsSyncedWholeWithItsModeThenItsFolder) {
    std::filesystem::permissions(Target(), static_cast<std::filesystem::perms>(0640));
    const FileView view = ViewOf("new", 3000);
    ASSERT_EQ(view.WriteTo(Target()).Message, "");
    EXPECT_EQ(g_system.syncCalls, 2);
    ASSERT_EQ(g_system.filesAtSync.size(), 1u);
    EXPECT_EQ(g_system.filesAtSync[0].size, static_cast<off_t>(view.Text().size()));
    EXPECT_EQ(g_system.filesAtSync[0].mode, 0640u);
}

namespace {

struct SyncCase {
    const char* name;
    int failingCall;  // 1: the file's sync, 2: the folder's
    int error;
    bool saved;
    const char* message;  // after the path
};

constexpr SyncCase kSyncCases[] = {
    {"FileFails", 1, EIO, false, ""},
    // Shares and shared folders that cannot sync a folder answer so: nothing to tell.
    {"FolderCannotSync", 2, EINVAL, true, nullptr},
    {"FolderSyncUnsupported", 2, ENOTSUP, true, nullptr},
    {"FolderFails", 2, EIO, true,
     " file saved, but the system could not confirm that it is on the disk. "},
};

std::string ExpectedMessage(const SyncCase& c, const std::string& path) {
    if (c.message == nullptr) {
        return {};
    }
    const std::string reason = std::strerror(c.error);
    return c.saved ? "Warning... " + path + c.message + reason
                   : "Cannot create file \"" + path + "\". " + reason;
}

class SyncFaultTest : public SaveTest, public ::testing::WithParamInterface<SyncCase> {};

}  // namespace

// Before the rename a failure keeps the old file; after it the file is saved, and only a
// failure the folder should not give is told, as a warning.
TEST_P(SyncFaultTest, TheReportTellsWhatTheFileHolds) {
    g_system.failingCall = GetParam().failingCall;
    g_system.failingError = GetParam().error;
    const FileView::WriteReport report = ViewOf("new", 1).WriteTo(Target());
    EXPECT_EQ(report.Saved, GetParam().saved);
    EXPECT_EQ(report.Message, ExpectedMessage(GetParam(), Target()));
    EXPECT_EQ(ReadBytes(Target()), GetParam().saved ? "new\r\n" : "old\r\n");
    EXPECT_FALSE(HasTemporaryFile(dir.Path()));
}

INSTANTIATE_TEST_SUITE_P(FileThenFolder, SyncFaultTest, ::testing::ValuesIn(kSyncCases),
                         [](const auto& info) { return info.param.name; });

// The target becomes a folder between the save's checks and its rename, so the rename
// itself fails: the save says why, and its temporary file goes.
TEST_F(SaveTest, AFailedRenameLeavesNoTemporaryFile) {
    g_system.beforeFileSync = [this] {
        std::filesystem::remove(Target());
        std::filesystem::create_directory(Target());
    };
    const FileView::WriteReport report = ViewOf("new", 1).WriteTo(Target());
    EXPECT_FALSE(report.Saved);
    EXPECT_EQ(report.Message, "Cannot create file \"" + Target() + "\". " + std::strerror(EISDIR));
    EXPECT_TRUE(std::filesystem::is_directory(Target()));
    EXPECT_FALSE(HasTemporaryFile(dir.Path()));
}

// The settings panel's save makes the line the saved one exactly when the file holds it.
TEST_F(SaveTest, TheSavedSettingsLineIsTheOneTheFileHolds) {
    for (const SyncCase& c : kSyncCases) {
        g_system = {};
        g_system.failingCall = c.failingCall;
        g_system.failingError = c.error;
        ProgramState state;
        BuildDefaultStats(state);
        state.Stats.SaveFileName = Target();
        const std::string before = state.Settings.SavedSettingsLine;
        const std::string line = before + "1";
        const SaveResult result = SaveSettingsLine(state, line);
        EXPECT_EQ(result.Outcome, c.saved ? SaveOutcome::Saved : SaveOutcome::Failed) << c.name;
        EXPECT_EQ(result.Message, ExpectedMessage(c, Target())) << c.name;
        EXPECT_EQ(state.Settings.SavedSettingsLine, c.saved ? line : before) << c.name;
    }
}

namespace {

enum class Moment { BeforeWrite, BeforeFileSync };

class InterleavedSaveTest : public SaveTest, public ::testing::WithParamInterface<Moment> {};

}  // namespace

// A second copy saves into the same folder while the first is between two steps: the
// file is then one of the two texts in whole, never a mix, and no temporary file is left.
TEST_P(InterleavedSaveTest, TwoSavesGiveOneWholeFile) {
    const FileView first = ViewOf("first copy", 10);
    const FileView second = ViewOf("the second copy's longer line", 100);
    FileView::WriteReport secondReport;
    auto saveSecond = [&] { secondReport = second.WriteTo(Target()); };
    (GetParam() == Moment::BeforeWrite ? g_system.beforeWrite : g_system.beforeFileSync) =
        saveSecond;
    const FileView::WriteReport firstReport = first.WriteTo(Target());
    EXPECT_TRUE(secondReport.Saved) << secondReport.Message;
    EXPECT_TRUE(firstReport.Saved) << firstReport.Message;
    const std::string text = ReadBytes(Target());
    EXPECT_TRUE(text == first.Text() || text == second.Text()) << text;
    EXPECT_FALSE(HasTemporaryFile(dir.Path()));
}

INSTANTIATE_TEST_SUITE_P(Moments, InterleavedSaveTest,
                         ::testing::Values(Moment::BeforeWrite, Moment::BeforeFileSync),
                         [](const auto& info) {
                             return info.param == Moment::BeforeWrite ? "BeforeWrite"
                                                                      : "BeforeFileSync";
                         });
