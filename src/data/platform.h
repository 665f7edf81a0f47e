#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

// Where the program meets the file system, the one place that differs between Windows
// (platform_windows.cpp) and POSIX systems (platform_posix.cpp). Failures come back as the
// system's reason in its own words, as UTF-8 on Windows; empty means done.

// Paths travel through the program as 8-bit text. On Windows that text is UTF-8 and a path
// meets the system in its wide-character form, which holds every name: the narrow form goes
// through the ANSI code page, which cannot hold "Jörg" and "Игрок" at once. Elsewhere the
// text is the bytes the system uses.
std::filesystem::path FsPath(const std::string& text);
std::string PathText(const std::filesystem::path& path);

// The C library's reason for an errno value.
inline std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

// The system's reason for an error code of the standard library's file functions.
std::string ErrorCodeText(const std::error_code& ec);

// std::fopen on a path of any name; null with errno set on failure.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Whether the system marks the file read-only beyond its permission bits (Windows' flag,
// which an administrator's open for writing may pass where Windows' own programs refuse).
bool HasReadOnlyFlag(const std::filesystem::path& path);

// A file made for writing that did not exist before: no other writer shares it.
struct NewFile {
    std::FILE* File = nullptr;  // the caller's to close; null on failure
    bool NameTaken = false;     // the failure was that the name exists already
    std::string Failure;
};
NewFile CreateNewFile(const std::filesystem::path& path);

// Tells this running program apart from others saving into the same folder.
unsigned long ProcessId();

// Waits until the file's written data has reached the disk, not only the system's cache.
// The stdio buffer must have been flushed.
std::string SyncFileData(std::FILE* file);

// Puts `from` in the place of `to`, replacing any file there, in one step.
std::string MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// Waits until the move that put `path` in place has reached the disk. Empty also where the
// file system offers no way to know (a network share or a virtual machine's shared folder).
std::string ConfirmMoveOnDisk(const std::filesystem::path& path);
