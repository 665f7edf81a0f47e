// Saves under a disk that fails to sync. This executable stands in for the C library's
// fsync, so that the failure is the system's own answer, not a hook in the program.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "data/file_io.h"
#include "data/file_view.h"
#include "data/temp_dir.h"

namespace {

int g_syncCalls = 0;
int g_failingCall = 0;  // 1-based; 0: none fails

}  // namespace

extern "C" int fsync(int fd) {
    ++g_syncCalls;
    if (g_syncCalls == g_failingCall) {
        errno = EIO;
        return -1;
    }
    using Sync = int (*)(int);
    static const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

namespace {

struct SyncCase {
    int failingCall;
    bool oldTextKept;
};

class SyncFaultTest : public ::testing::TestWithParam<SyncCase> {
  protected:
    SyncFaultTest() {
        g_syncCalls = 0;
        g_failingCall = 0;
        WriteBytes(Target(), "old\r\n");
        view.Append("new");
    }
    std::string Target() const { return dir.File("ShipStats.txt"); }

    TempDir dir;
    FileView view;
};

}  // namespace

TEST(SyncTest, ASaveSyncsTheFileAndThenItsFolder) {
    TempDir dir;
    FileView view;
    view.Append("new");
    g_syncCalls = 0;
    g_failingCall = 0;
    ASSERT_EQ(view.WriteTo(dir.File("ShipStats.txt")), "");
    EXPECT_EQ(g_syncCalls, 2);
}

// The file's sync failing leaves the old text; the folder's failing comes after the rename,
// which may or may not have reached the disk: either way the save is not called done.
TEST_P(SyncFaultTest, AFailedSyncIsReportedAndLeavesNoTemporaryFile) {
    g_failingCall = GetParam().failingCall;
    const std::string error = view.WriteTo(Target());
    EXPECT_EQ(error, "Cannot create file \"" + Target() + "\". " + std::strerror(EIO));
    EXPECT_EQ(ReadBytes(Target()), GetParam().oldTextKept ? "old\r\n" : "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(Target() + ".saving"));
}

INSTANTIATE_TEST_SUITE_P(FileThenFolder, SyncFaultTest,
                         ::testing::Values(SyncCase{1, true}, SyncCase{2, false}),
                         [](const auto& info) { return info.index == 0 ? "File" : "Folder"; });
