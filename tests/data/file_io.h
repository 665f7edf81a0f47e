#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// What the system says when a file is asked of a folder.
#ifdef _WIN32
inline constexpr const char* kIsAFolder = "Permission denied";
#else
inline constexpr const char* kIsAFolder = "Is a directory";
#endif
// And when the folder is missing: the system's own reason on Windows, as Wine words it.
#ifdef _WIN32
inline constexpr const char* kNoSuchFolder = "Path not found";
#else
inline constexpr const char* kNoSuchFolder = "No such file or directory";
#endif

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Whether a save left a temporary file in `folder`.
inline bool HasTemporaryFile(const std::filesystem::path& folder) {
    return std::any_of(std::filesystem::directory_iterator(folder),
                       std::filesystem::directory_iterator(),
                       [](const auto& entry) { return entry.path().extension() == ".saving"; });
}
