#include "data/file_view.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <system_error>

#include "data/latin1_text.h"
#include "data/platform.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Reads the whole file, or says why not: open failures apart from all other failures.
FileView::LoadResult ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return FileView::LoadResult::CannotOpen;
    }
    FilePtr file(OpenFile(path, "rb"));
    if (!file) {
        return FileView::LoadResult::CannotOpen;
    }
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (bytes.size() + got > FileView::kMaxFileSize) {
            return FileView::LoadResult::Unreadable;
        }
        bytes.append(chunk, got);
    }
    return std::ferror(file.get()) ? FileView::LoadResult::Unreadable
                                   : FileView::LoadResult::Loaded;
}

std::string CannotCreate(const std::string& path, const std::string& reason) {
    return "Cannot create file \"" + path + "\". " + reason;
}

// The file a chain of symbolic links finally names, so that a save changes that file and
// the links stay links. A dangling link gives where it points. Empty for a link loop.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
    constexpr int kMaxLinks = 40;  // the usual system limit on a chain of links
    std::filesystem::path current = path;
    std::error_code ec;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        if (!std::filesystem::is_symlink(current, ec)) {
            return current;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(current, ec);
        if (ec) {
            return current;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {};
}

// The replacement takes the permission bits of the file it replaces; a new file keeps
// the ones the platform gave the temporary file.
std::error_code KeepPermissions(const std::filesystem::path& replaced,
                                const std::filesystem::path& replacement) {
    std::error_code ec;
    const std::filesystem::file_status old = std::filesystem::status(replaced, ec);
    if (ec || !std::filesystem::exists(old)) {
        return {};
    }
    std::filesystem::permissions(replacement, old.permissions(), ec);
    return ec;
}

// Why the file could not be overwritten in place, or empty.
std::string OverwriteRefusal(const std::filesystem::path& target) {
    if (HasReadOnlyFlag(target)) {
        return ErrnoText(EACCES);
    }
    FilePtr probe(OpenFile(target, "r+b"));
    return probe ? std::string() : ErrnoText(errno);
}

struct Temporary {
    FilePtr file;
    std::filesystem::path name;
    std::string failure;
};

// A new file beside the target under a name no other save uses: this program's process
// and a random number tell it apart from other copies' saves, and it is created only if
// the name is free, so a copy saving at the same moment never writes into it.
Temporary CreateTemporary(const std::filesystem::path& target) {
    constexpr int kTries = 16;
    std::random_device random;
    Temporary temporary;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        temporary.name = target;
        temporary.name +=
            "." + std::to_string(ProcessId()) + "-" + std::to_string(random()) + ".saving";
        NewFile created = CreateNewFile(temporary.name);
        temporary.file.reset(created.File);
        temporary.failure = std::move(created.Failure);
        if (!created.NameTaken) {
            break;
        }
    }
    return temporary;
}

// Writes `text` in full into the temporary file, gives it the target's permission bits
// and waits until both are on the disk, or says why not.
std::string FillTemporary(Temporary& temporary, const std::filesystem::path& target,
                          const std::string& text) {
    std::FILE* out = temporary.file.get();
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
        return ErrnoText(errno);
    }
    if (const std::error_code ec = KeepPermissions(target, temporary.name)) {
        return ErrorCodeText(ec);
    }
    return SyncFileData(out);
}

// The temporary file with `text` on the disk, or the reason why not; a failure leaves no
// temporary file behind.
Temporary WriteTemporary(const std::filesystem::path& target, const std::string& text) {
    Temporary temporary = CreateTemporary(target);
    if (!temporary.file) {
        return temporary;
    }
    temporary.failure = FillTemporary(temporary, target, text);
    if (std::fclose(temporary.file.release()) != 0 && temporary.failure.empty()) {
        temporary.failure = ErrnoText(errno);
    }
    if (!temporary.failure.empty()) {
        std::error_code ec;
        std::filesystem::remove(temporary.name, ec);
    }
    return temporary;
}

// The file holds the new text, but the system could not say it has reached the disk.
std::string SavedUnconfirmed(const std::string& path, const std::string& reason) {
    return "Warning... " + path +
           " file saved, but the system could not confirm that it is on the disk. " + reason;
}

}  // namespace

FileView::LoadResult FileView::Load(const std::string& path) {
    Clear();
    std::string bytes;
    const LoadResult result = ReadWholeFile(FsPath(path), bytes);
    if (result == LoadResult::Loaded) {
        SetText(bytes);
    }
    return result;
}

void FileView::SetText(std::string_view bytes) {
    const std::optional<std::string> latin1 = Latin1FromUtf8File(bytes);
    SplitLines(latin1 ? *latin1 : bytes);
    m_readAsUtf8 = latin1.has_value();
}

void FileView::SplitLines(std::string_view bytes) {
    Clear();
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        m_lines.push_back(std::move(line));
        line.clear();
    }
    m_lastLineEnded = line.empty();
    if (!m_lastLineEnded) {
        m_lines.push_back(std::move(line));
    }
}

void FileView::Clear() {
    m_lines.clear();
    m_lastLineEnded = true;
    m_readAsUtf8 = false;
}

void FileView::Append(std::string_view line) {
    m_lines.emplace_back(line);
    m_lastLineEnded = true;
}

const std::string& FileView::Line(std::size_t n) const {
    static const std::string kNone;
    return (n >= 1 && n <= m_lines.size()) ? m_lines[n - 1] : kNone;
}

void FileView::Replace(std::size_t n, std::string_view text) {
    if (n >= 1 && n <= m_lines.size()) {
        m_lines[n - 1] = text;
    }
}

std::string FileView::Text() const {
    std::string text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i];
        if (i + 1 < m_lines.size() || m_lastLineEnded) {
            text += "\r\n";
        }
    }
    return text;
}

FileView::WriteReport FileView::WriteTo(const std::string& path) const {
    const std::filesystem::path target = FinalTarget(FsPath(path));
    if (target.empty()) {
        return {false, CannotCreate(path, ErrnoText(ELOOP))};
    }
    // Refuse what a plain overwrite would refuse: a read-only file, a directory. The
    // rename below would otherwise replace a file the user protected.
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        if (const std::string refusal = OverwriteRefusal(target); !refusal.empty()) {
            return {false, CannotCreate(path, refusal)};
        }
    }
    const Temporary temporary = WriteTemporary(target, Text());
    if (!temporary.failure.empty()) {
        return {false, CannotCreate(path, temporary.failure)};
    }
    if (const std::string failure = MoveIntoPlace(temporary.name, target); !failure.empty()) {
        std::filesystem::remove(temporary.name, ec);
        return {false, CannotCreate(path, failure)};
    }
    // From here the file holds the new text, whatever the disk says.
    if (const std::string failure = ConfirmMoveOnDisk(target); !failure.empty()) {
        return {true, SavedUnconfirmed(path, failure)};
    }
    return {true, {}};
}
