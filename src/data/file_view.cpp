#include "data/file_view.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "data/path_text.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

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

#ifdef _WIN32

std::string WindowsErrorText(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

// Waits until the file's data has reached the disk, not only the system's cache.
std::string SyncToDisk(std::FILE* file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return FlushFileBuffers(handle) ? std::string() : WindowsErrorText(GetLastError());
}

// Write-through: the rename itself has reached the disk when this returns.
std::string ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? std::string()
               : WindowsErrorText(GetLastError());
}

#else

std::string SyncToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0 ? std::string() : ErrnoText(errno);
}

// A rename lives in the folder: it is durable only once the folder is synced too.
std::string ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return ErrnoText(errno);
    }
    const std::filesystem::path folder = to.has_parent_path() ? to.parent_path() : ".";
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return ErrnoText(errno);
    }
    const int synced = fsync(fd);
    const int error = errno;
    close(fd);
    return synced == 0 ? std::string() : ErrnoText(error);
}

#endif

// Why the file could not be overwritten in place, or empty. Windows' read-only flag is
// checked by itself: an administrator's open for writing may pass it (as Wine's does
// when run as root), where Windows' own programs still refuse the file.
std::string OverwriteRefusal(const std::filesystem::path& target) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return ErrnoText(EACCES);
    }
#endif
    FilePtr probe(OpenFile(target, "r+b"));
    return probe ? std::string() : ErrnoText(errno);
}

// Writes `text` to `temporary` in full and onto the disk, or says why not; a failure
// leaves no temporary file behind.
std::string WriteTemporary(const std::filesystem::path& temporary, const std::string& text) {
    FilePtr out(OpenFile(temporary, "wb"));
    if (!out) {
        return ErrnoText(errno);
    }
    std::string failure;
    if (std::fwrite(text.data(), 1, text.size(), out.get()) != text.size() ||
        std::fflush(out.get()) != 0) {
        failure = ErrnoText(errno);
    } else {
        failure = SyncToDisk(out.get());
    }
    if (std::fclose(out.release()) != 0 && failure.empty()) {
        failure = ErrnoText(errno);
    }
    if (!failure.empty()) {
        std::error_code ec;
        std::filesystem::remove(temporary, ec);
    }
    return failure;
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

std::string FileView::WriteTo(const std::string& path) const {
    const std::filesystem::path target = FinalTarget(FsPath(path));
    if (target.empty()) {
        return CannotCreate(
            path, std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
    }
    // Refuse what a plain overwrite would refuse: a read-only file, a directory. The
    // rename below would otherwise replace a file the user protected.
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        if (const std::string refusal = OverwriteRefusal(target); !refusal.empty()) {
            return CannotCreate(path, refusal);
        }
    }
    std::filesystem::path temporary = target;
    temporary += ".saving";
    std::string failure = WriteTemporary(temporary, Text());
    if (!failure.empty()) {
        return CannotCreate(path, failure);
    }
    ec = KeepPermissions(target, temporary);
    failure = ec ? ec.message() : ReplaceFile(temporary, target);
    if (!failure.empty()) {
        std::filesystem::remove(temporary, ec);
        return CannotCreate(path, failure);
    }
    return {};
}
