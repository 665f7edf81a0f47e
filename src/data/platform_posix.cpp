#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "data/platform.h"

namespace {

// Folders that cannot be synced say so with these: CIFS and SMB shares, VirtualBox's
// shared folders, several FUSE file systems.
bool SyncUnsupported(int error) {
    return error == EINVAL || error == ENOTSUP;
}

}  // namespace

std::filesystem::path FsPath(const std::string& text) {
    return std::filesystem::path(text);
}

std::string PathText(const std::filesystem::path& path) {
    return path.string();
}

std::string ErrorCodeText(const std::error_code& ec) {
    return ec.message();
}

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool HasReadOnlyFlag(const std::filesystem::path&) {
    return false;
}

NewFile CreateNewFile(const std::filesystem::path& path) {
    constexpr mode_t kEveryoneReadWrite = 0666;  // narrowed by the umask, as fopen's are
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kEveryoneReadWrite);
    if (fd < 0) {
        return {nullptr, errno == EEXIST, ErrnoText(errno)};
    }
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        close(fd);
        unlink(path.c_str());
        return {nullptr, false, ErrnoText(error)};
    }
    return {file, false, {}};
}

unsigned long ProcessId() {
    return static_cast<unsigned long>(getpid());
}

std::string SyncFileData(std::FILE* file) {
    return fsync(fileno(file)) == 0 ? std::string() : ErrnoText(errno);
}

std::string MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? std::string() : ErrnoText(errno);
}

// A rename lives in the folder: it is durable only once the folder is synced too.
std::string ConfirmMoveOnDisk(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return ErrnoText(errno);
    }
    const int synced = fsync(fd);
    const int error = errno;
    close(fd);
    return synced == 0 || SyncUnsupported(error) ? std::string() : ErrnoText(error);
}
