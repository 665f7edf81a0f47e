#include "data/file_view.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

// Reads the whole file, or says why not: open failures apart from all other failures.
FileView::LoadResult ReadWholeFile(const std::string& path, std::string& bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return FileView::LoadResult::CannotOpen;
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
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

std::string CannotCreate(const std::string& path, int error) {
    return CannotCreate(path, ErrnoText(error));
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

// Writes `text` to `temporary` in full, or says why not.
std::string WriteTemporary(const std::string& temporary, const std::string& text) {
    FilePtr out(std::fopen(temporary.c_str(), "wb"));
    if (!out) {
        return ErrnoText(errno);
    }
    bool written = std::fwrite(text.data(), 1, text.size(), out.get()) == text.size();
    int error = written ? 0 : errno;
    // Closing flushes: a full disk shows up here.
    if (std::fclose(out.release()) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        std::error_code ec;
        std::filesystem::remove(temporary, ec);
        return ErrnoText(error);
    }
    return {};
}

}  // namespace

FileView::LoadResult FileView::Load(const std::string& path) {
    Clear();
    std::string bytes;
    const LoadResult result = ReadWholeFile(path, bytes);
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
    const std::filesystem::path target = FinalTarget(path);
    if (target.empty()) {
        return CannotCreate(
            path, std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
    }
    // Refuse what a plain overwrite would refuse: a read-only file, a directory. The
    // rename below would otherwise replace a file the user protected.
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        FilePtr probe(std::fopen(target.string().c_str(), "r+b"));
        if (!probe) {
            return CannotCreate(path, errno);
        }
    }
    const std::string temporary = target.string() + ".saving";
    const std::string failure = WriteTemporary(temporary, Text());
    if (!failure.empty()) {
        return CannotCreate(path, failure);
    }
    ec = KeepPermissions(target, temporary);
    if (!ec) {
        std::filesystem::rename(temporary, target, ec);
    }
    if (ec) {
        const std::string reason = ec.message();
        std::filesystem::remove(temporary, ec);
        return CannotCreate(path, reason);
    }
    return {};
}
