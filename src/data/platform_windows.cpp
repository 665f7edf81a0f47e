#include <io.h>
#include <windows.h>

#include <fcntl.h>
#include <cerrno>
#include <string_view>

#include "data/platform.h"

namespace {

std::string Utf8(std::wstring_view wide) {
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

// The system's reason in the user's language, as UTF-8: the narrow FormatMessageA (behind
// std::system_category) gives the ANSI code page, which cannot sit beside a UTF-8 path.
std::string WindowsErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length =
        FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring_view text(buffer, length);
    // Shaped like the C library's reasons: no line end, no full stop.
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.remove_suffix(1);
    }
    std::string reason = text.empty() ? "Error " + std::to_string(error) : Utf8(text);
    LocalFree(buffer);
    return reason;
}

std::string LastErrorText() {
    return WindowsErrorText(GetLastError());
}

}  // namespace

std::filesystem::path FsPath(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

// The system category's own message comes from the narrow FormatMessageA, in the ANSI code
// page; the C library's reasons (the generic category) are ASCII.
std::string ErrorCodeText(const std::error_code& ec) {
    return ec.category() == std::system_category()
               ? WindowsErrorText(static_cast<DWORD>(ec.value()))
               : ec.message();
}

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    // Modes are ASCII: widening byte by byte is exact.
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
}

bool HasReadOnlyFlag(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

NewFile CreateNewFile(const std::filesystem::path& path) {
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return {nullptr, error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS,
                WindowsErrorText(error)};
    }
    // From here the C library owns the handle: closing the FILE closes it.
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        fd < 0 ? CloseHandle(handle) : _close(fd);
        DeleteFileW(path.c_str());
        return {nullptr, false, ErrnoText(error)};
    }
    return {file, false, {}};
}

unsigned long ProcessId() {
    return GetCurrentProcessId();
}

std::string SyncFileData(std::FILE* file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return FlushFileBuffers(handle) ? std::string() : LastErrorText();
}

// The temporary file lies beside its target, so the move is a rename, never a copy: the
// flag MOVEFILE_WRITE_THROUGH, which flushes only copies, would promise nothing here.
std::string MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) ? std::string()
                                                                            : LastErrorText();
}

// Windows documents no sync of a folder. FlushFileBuffers of the file under its new name
// sends the file system a flush, documented (NtFlushBuffersFileEx) as writing the file's
// data and metadata and flushing the disk's own cache: that is all this confirms.
std::string ConfirmMoveOnDisk(const std::filesystem::path& path) {
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return LastErrorText();
    }
    const bool flushed = FlushFileBuffers(handle) != 0;
    const std::string failure = flushed ? std::string() : LastErrorText();
    CloseHandle(handle);
    return failure;
}
