#pragma once

#include <filesystem>
#include <functional>

#ifdef _WIN32

// Windows' read-only flag binds every account.
inline bool RunWithoutRoot(const std::filesystem::path&, const std::function<bool()>& check) {
    return check();
}

#else

#include <sys/wait.h>
#include <unistd.h>

// Permission checks do not bind root, and CI runs as root: there the check runs in a
// child process that has given up root for the "nobody" account, which owns `folder`.
// Returns what `check` returned.
inline bool RunWithoutRoot(const std::filesystem::path& folder,
                           const std::function<bool()>& check) {
    if (geteuid() != 0) {
        return check();
    }
    constexpr uid_t kNobody = 65534;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (chown(entry.path().c_str(), kNobody, kNobody) != 0) {
            return false;
        }
    }
    if (chown(folder.c_str(), kNobody, kNobody) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgid(kNobody) == 0 && setuid(kNobody) == 0;
        _exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif
