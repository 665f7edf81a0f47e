#include "data/file_view.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/file_io.h"
#include "data/temp_dir.h"
#include "data/unprivileged.h"

namespace {

FileView ViewOf(const std::string& bytes) {
    FileView view;
    view.SetText(bytes);
    return view;
}

}  // namespace

TEST(FileView, EveryKindOfLineEndBecomesCrLf) {
    const FileView view = ViewOf("a\nb\rc\r\nd\n\re");
    EXPECT_EQ(view.Count(), 6u);
    EXPECT_EQ(view.Line(1), "a");
    EXPECT_EQ(view.Line(3), "c");
    EXPECT_EQ(view.Line(5), "");
    EXPECT_EQ(view.Line(6), "e");
    EXPECT_EQ(view.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
}

TEST(FileView, CountIgnoresAFinalLineEnd) {
    EXPECT_EQ(ViewOf("").Count(), 0u);
    EXPECT_EQ(ViewOf("\r\n").Count(), 1u);
    EXPECT_EQ(ViewOf("x").Count(), 1u);
    EXPECT_EQ(ViewOf("x\n").Count(), 1u);
    EXPECT_EQ(ViewOf("x\n\n").Count(), 2u);
    EXPECT_EQ(ViewOf("\r\r\r").Count(), 3u);
}

TEST(FileView, LinesPastTheEndReadEmptyAndCannotBeReplaced) {
    FileView view = ViewOf("one\r\ntwo\r\n");
    EXPECT_EQ(view.Line(0), "");
    EXPECT_EQ(view.Line(3), "");
    view.Replace(3, "three");
    view.Replace(0, "zero");
    EXPECT_EQ(view.Text(), "one\r\ntwo\r\n");
    view.Replace(2, "2");
    EXPECT_EQ(view.Text(), "one\r\n2\r\n");
}

TEST(FileView, AppendAndClear) {
    FileView view = ViewOf("no end");
    view.Append("next");
    EXPECT_EQ(view.Text(), "no end\r\nnext\r\n");
    view.Clear();
    EXPECT_EQ(view.Count(), 0u);
    EXPECT_EQ(view.Text(), "");
    view.Append("");
    EXPECT_EQ(view.Text(), "\r\n");
}

TEST(FileView, AnyByteSurvivesAWriteAndALoad) {
    TempDir dir;
    std::string bytes = "head\r\n";
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            bytes += static_cast<char>(b);
        }
    }
    bytes += "\r\ntail";
    const std::string path = dir.File("bytes.txt");
    ASSERT_EQ(ViewOf(bytes).WriteTo(path).Message, "");
    EXPECT_EQ(ReadBytes(path), bytes);
    FileView loaded;
    ASSERT_EQ(loaded.Load(path), FileView::LoadResult::Loaded);
    EXPECT_EQ(loaded.Text(), bytes);
}

// The byte-order mark goes before the lines are counted, and the next text says anew
// whether it was UTF-8.
TEST(FileView, AByteOrderMarkIsNoPartOfTheFirstLine) {
    FileView view = ViewOf("\xEF\xBB\xBFone\r\ntwo");
    EXPECT_TRUE(view.ReadAsUtf8());
    EXPECT_EQ(view.Count(), 2u);
    EXPECT_EQ(view.Text(), "one\r\ntwo");
    EXPECT_EQ(ViewOf("\xEF\xBB\xBF\r\n").Count(), 1u);
    EXPECT_EQ(ViewOf("\xEF\xBB\xBF").Count(), 0u);
    view.SetText("caf\xE9");
    EXPECT_FALSE(view.ReadAsUtf8());
    view.SetText("caf\xC3\xA9");
    EXPECT_TRUE(view.ReadAsUtf8());
    view.Clear();
    EXPECT_FALSE(view.ReadAsUtf8());
}

TEST(FileView, LoadTellsMissingFromUnreadable) {
    TempDir dir;
    FileView view = ViewOf("old");
    EXPECT_EQ(view.Load(dir.File("missing.txt")), FileView::LoadResult::CannotOpen);
    EXPECT_EQ(view.Count(), 0u);
    EXPECT_EQ(view.Load(dir.Path().string()), FileView::LoadResult::CannotOpen);
}

TEST(FileView, SizeLimitTakesAFileOfExactlyTheLimit) {
    TempDir dir;
    const std::string path = dir.File("big.txt");
    const std::pair<std::size_t, FileView::LoadResult> sizes[] = {
        {FileView::kMaxFileSize - 1, FileView::LoadResult::Loaded},
        {FileView::kMaxFileSize, FileView::LoadResult::Loaded},
        {FileView::kMaxFileSize + 1, FileView::LoadResult::Unreadable},
    };
    for (const auto& [size, expected] : sizes) {
        std::filesystem::resize_file((WriteBytes(path, "x"), path), size);
        FileView view = ViewOf("old");
        EXPECT_EQ(view.Load(path), expected) << size << " bytes";
        EXPECT_EQ(view.Count(), expected == FileView::LoadResult::Loaded ? 1u : 0u) << size;
    }
}

TEST(FileView, FailedWritesLeaveTheOldFileAndSayWhy) {
    TempDir dir;
    const std::string path = dir.File("ShipStats.txt");
    WriteBytes(path, "precious");
    const FileView view = ViewOf("new text");

    // A name of 245 characters leaves no room for the temporary file's longer one within
    // the 255 a folder entry may have: the old file stays as it was.
    const std::string longest = dir.File(std::string(241, 'x') + ".txt");
    WriteBytes(longest, "precious");
    const FileView::WriteReport blocked = view.WriteTo(longest);
    EXPECT_FALSE(blocked.Saved);
    EXPECT_EQ(blocked.Message.rfind("Cannot create file \"" + longest + "\". ", 0), 0u)
        << blocked.Message;
    EXPECT_EQ(ReadBytes(longest), "precious");
    std::filesystem::remove(longest);

    EXPECT_NE(view.WriteTo(dir.Path().string()).Message.find(kIsAFolder), std::string::npos);
    EXPECT_NE(view.WriteTo(dir.File("no/such/folder.txt")).Message.find(kNoSuchFolder),
              std::string::npos);
    EXPECT_EQ(ReadBytes(path), "precious");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);

    ASSERT_EQ(view.WriteTo(path).Message, "");
    EXPECT_EQ(ReadBytes(path), "new text");
}

namespace {

// A folder's read-only flag on Windows keeps no file out, unlike POSIX permissions.
bool FolderRefused([[maybe_unused]] const std::filesystem::path& folder,
                   [[maybe_unused]] const FileView& view) {
#ifdef _WIN32
    return true;
#else
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool refused =
        view.WriteTo((folder / "ShipStats.txt").string()).Message.find("Permission denied") !=
        std::string::npos;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    return refused;
#endif
}

}  // namespace

TEST(FileView, ReadOnlyFilesAndFoldersAreRefused) {
    TempDir dir;
    const std::string path = dir.File("ShipStats.txt");
    WriteBytes(path, "precious");
    const bool refused = RunWithoutRoot(dir.Path(), [&] {
        const FileView view = ViewOf("new text");
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        const bool fileRefused =
            view.WriteTo(path).Message.find("Permission denied") != std::string::npos;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return fileRefused && ReadBytes(path) == "precious" && FolderRefused(dir.Path(), view);
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(ReadBytes(path), "precious");
}
