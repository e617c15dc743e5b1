#include "platform/temporary_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace platform {
namespace {

// Tries before giving up on a name that exists: only a file left by an
// earlier program with this process number can hold one.
constexpr int kCreateAttempts = 64;
// A temporary file this old is stale whatever process number it carries.
constexpr std::time_t kStaleAge = 60 * 60;
constexpr char kSuffix[] = ".tmp";

// Counts the temporary files this process names, so that each is new.
std::atomic<unsigned> gNextNumber{0};

// The process number in a leftover's name "<base>.<pid>.<n>.tmp" of the
// target whose file name is `base`; 0 when `entry` is no such name.
pid_t TemporaryFileOwner(const char* entry, const char* base, std::size_t baseLength) {
    if (std::strncmp(entry, base, baseLength) != 0 || entry[baseLength] != '.') return 0;
    const char* at = entry + baseLength + 1;
    long owner = 0;
    const char* digits = at;
    while (*at >= '0' && *at <= '9' && at - digits < 9) owner = owner * 10 + (*at++ - '0');
    if (at == digits || *at++ != '.') return 0;
    digits = at;
    while (*at >= '0' && *at <= '9') ++at;
    if (at == digits || std::strcmp(at, kSuffix) != 0) return 0;
    return static_cast<pid_t>(owner);
}

bool IsStale(int folder, const char* entry, pid_t owner, std::time_t now) {
    if (owner == ::getpid()) return false;
    if (::kill(owner, 0) != 0 && errno == ESRCH) return true;
    struct stat status {};
    return ::fstatat(folder, entry, &status, AT_SYMLINK_NOFOLLOW) == 0 && now - status.st_mtime > kStaleAge;
}

}  // namespace

int CreateTemporaryFile(const char* target, char (&name)[kTemporaryPathMax]) {
    const long self = static_cast<long>(::getpid());
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const unsigned number = gNextNumber.fetch_add(1, std::memory_order_relaxed);
        const int length = std::snprintf(name, sizeof name, "%s.%ld.%u%s", target, self, number, kSuffix);
        if (length < 0 || static_cast<unsigned>(length) >= sizeof name) return -1;
        const int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void RemoveStaleTemporaryFiles(const char* target) {
    char folderPath[kTemporaryPathMax];
    const char* slash = std::strrchr(target, '/');
    const char* base = slash != nullptr ? slash + 1 : target;
    if (slash == nullptr) {
        std::strcpy(folderPath, ".");
    } else {
        const std::size_t length = slash == target ? 1 : static_cast<std::size_t>(slash - target);
        if (length >= sizeof folderPath) return;
        std::memcpy(folderPath, target, length);
        folderPath[length] = '\0';
    }
    // Read without touching the folder's access time: a folder left with a
    // changed inode would be written again by the flush of the new file.
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    int fd = ::open(folderPath, kFlags | O_NOATIME);
    if (fd < 0 && errno == EPERM) fd = ::open(folderPath, kFlags);  // someone else's folder
    if (fd < 0) return;
    DIR* folder = ::fdopendir(fd);
    if (folder == nullptr) {
        ::close(fd);
        return;
    }
    const std::size_t baseLength = std::strlen(base);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(folder)) {
        const pid_t owner = TemporaryFileOwner(entry->d_name, base, baseLength);
        if (owner > 0 && IsStale(::dirfd(folder), entry->d_name, owner, now))
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

}  // namespace platform
