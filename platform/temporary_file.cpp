#include "platform/temporary_file.h"
#include "platform/temporary_file_test_hook.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {
namespace {

// Tries before giving up on a name: only a file left by an earlier program
// with this process number, or one taken by another program's sweep before
// it was locked, can stand in the way.
constexpr int kCreateAttempts = 64;
constexpr char kSuffix[] = ".tmp";

// Counts the temporary files this process names, so that each is new.
std::atomic<unsigned> gNextNumber{0};

// Skips the digits at `at`; nullptr when there are none.
const char* SkipDigits(const char* at) {
    const char* digits = at;
    while (*at >= '0' && *at <= '9') ++at;
    return at == digits ? nullptr : at;
}

// Whether `entry` has the form "<base>.<pid>.<n>.tmp" of a temporary file of
// the target whose file name is `base`.
bool IsTemporaryFileName(const char* entry, const char* base, std::size_t baseLength) {
    if (std::strncmp(entry, base, baseLength) != 0 || entry[baseLength] != '.') return false;
    const char* at = SkipDigits(entry + baseLength + 1);
    if (at == nullptr || *at != '.') return false;
    at = SkipDigits(at + 1);
    return at != nullptr && std::strcmp(at, kSuffix) == 0;
}

// Whether the open file `fd` is still the file at `name` in `folder`. A lock
// is taken on an open file, and the name may have been given to another
// file since it was opened.
bool IsAtName(int fd, int folder, const char* name) {
    struct stat opened {}, named {};
    return ::fstat(fd, &opened) == 0 && ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Removes `entry` of `folder` when it is a regular file whose lock can be
// taken. Opened without following a link and without waiting on a FIFO, and
// for writing, which every temporary file allows its owner (a target its
// owner may not write is never replaced). Once the lock is taken, the file
// is removed only if it still stands at that name: its owner may have
// renamed it over the target meanwhile, and then released it.
void RemoveIfAbandoned(int folder, const char* entry) {
    const int fd = ::openat(folder, entry, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        IsAtName(fd, folder, entry))
        ::unlinkat(folder, entry, 0);
    ::close(fd);
}

}  // namespace

void (*gTestHookAfterTemporaryFileCreated)(const char* name) = nullptr;

int CreateTemporaryFile(const char* target, char (&name)[kTemporaryPathMax]) {
    const long self = static_cast<long>(::getpid());
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        const unsigned number = gNextNumber.fetch_add(1, std::memory_order_relaxed);
        const int length = std::snprintf(name, sizeof name, "%s.%ld.%u%s", target, self, number, kSuffix);
        if (length < 0 || static_cast<unsigned>(length) >= sizeof name) {
            errno = ENAMETOOLONG;
            return -1;
        }
        const int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;  // with the open's own reason
        }
        if (gTestHookAfterTemporaryFileCreated != nullptr) gTestHookAfterTemporaryFileCreated(name);
        // Until it is locked, another program's sweep may take the new file
        // for abandoned: it then holds the lock and removes the file, and
        // this replace moves on to another name. Once locked and still at
        // its name, the file is safe from every sweep.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) return fd;  // a file system without locks: no sweep can take it either
        } else if (IsAtName(fd, AT_FDCWD, name)) {
            return fd;
        }
        ::close(fd);
    }
    // Said outright: the last attempt may have ended on a look at a name
    // that was gone, which must not read as a missing folder.
    errno = EEXIST;
    return -1;
}

void RemoveAbandonedTemporaryFiles(const char* target) {
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
    while (const dirent* entry = ::readdir(folder))
        if (IsTemporaryFileName(entry->d_name, base, baseLength)) RemoveIfAbandoned(::dirfd(folder), entry->d_name);
    ::closedir(folder);
}

}  // namespace platform
