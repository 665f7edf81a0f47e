#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// Paths travel through the program as 8-bit text. On Windows that text is UTF-8 and a path
// meets the system in its wide-character form, which holds every name: the narrow form goes
// through the ANSI code page, which cannot hold "Jörg" and "Игрок" at once. Elsewhere the
// text is the bytes the system uses.
std::filesystem::path FsPath(const std::string& text);
std::string PathText(const std::filesystem::path& path);

// std::fopen on a path of any name; null with errno set on failure.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);
