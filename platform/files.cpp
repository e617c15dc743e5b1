#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/temporary_file.h"

namespace platform {
namespace {

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Creates the folder that is to hold `path`, with every folder missing on
// the way to it, when nothing at all stands at its name; returns whether the
// folder is there now. An open that failed for want of a folder also fails
// for a link in its place that leads nowhere: that, or anything else at the
// folder's name, is left alone. The slashes of a copy of the path are cut
// to a NUL one at a time for the mkdir.
bool MakeMissingFolder(const char* path) {
    char copy[kTemporaryPathMax];
    const std::size_t length = std::strlen(path);
    if (length >= sizeof copy) return false;
    std::memcpy(copy, path, length + 1);
    char* const last = std::strrchr(copy, '/');
    if (last == nullptr || last == copy) return false;  // the working folder or the root
    *last = '\0';
    struct stat status {};
    if (::lstat(copy, &status) == 0 || errno != ENOENT) return false;
    for (char* slash = std::strchr(copy + 1, '/'); slash != nullptr; slash = std::strchr(slash + 1, '/')) {
        *slash = '\0';
        ::mkdir(copy, 0755);
        *slash = '/';
    }
    // Another game saving at the same moment may have made it first.
    return ::mkdir(copy, 0755) == 0 || errno == EEXIST;
}

// Opens `path` with `flags` (O_NONBLOCK added, so that a FIFO never keeps
// the game waiting) and returns the descriptor only when it is a regular
// file, judged on the opened file itself so that nothing can be put in its
// place between the check and the use; -1 otherwise.
int OpenRegularFile(const char* path, int flags, struct stat& status) {
    const int fd = ::open(path, flags | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) return fd;
    ::close(fd);
    errno = EINVAL;
    return -1;
}

long ReadPrefix(const char* path, int flags, char* out, std::size_t capacity) {
    struct stat status {};
    const int fd = OpenRegularFile(path, O_RDONLY | flags, status);
    if (fd < 0) return -1;
    std::size_t total = 0;
    while (total < capacity) {
        const ssize_t got = ::read(fd, out + total, capacity - total);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return static_cast<long>(total);
}

// Whether the regular file described by `status` may not be written: its
// owner has no write permission (which binds even a user whom the system
// would let write, such as the superuser), or this user has none.
bool IsReadOnly(const char* path, const struct stat& status) {
    return (status.st_mode & S_IWUSR) == 0 || ::access(path, W_OK) != 0;
}

}  // namespace

long ReadFilePrefix(const char* path, char* out, std::size_t capacity) { return ReadPrefix(path, 0, out, capacity); }

long ReadOwnFilePrefix(const char* path, char* out, std::size_t capacity) {
    return ReadPrefix(path, O_NOFOLLOW, out, capacity);
}

bool WriteFileAt(const char* path, long offset, const char* data, std::size_t size) {
    struct stat status {};
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT, status);
    if (fd < 0) return false;
    bool ok = ::lseek(fd, offset, SEEK_SET) == offset && WriteAll(fd, data, size);
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool OverwriteOwnFile(const char* path, const char* data, std::size_t size) {
    // Opened without O_TRUNC and cut only when it was longer: some file
    // systems start writing a file that was emptied and written again out
    // to disk at its close, the very cost this write is meant to spare.
    constexpr int kFlags = O_WRONLY | O_CREAT | O_NOFOLLOW;
    struct stat status {};
    int fd = OpenRegularFile(path, kFlags, status);
    if (fd < 0 && errno == ENOENT && MakeMissingFolder(path)) fd = OpenRegularFile(path, kFlags, status);
    if (fd < 0) return false;
    // Another user's file, or one with a second name elsewhere, is not the
    // game's to write.
    bool ok = status.st_nlink == 1 && status.st_uid == ::geteuid() && WriteAll(fd, data, size);
    if (ok && status.st_size > static_cast<off_t>(size)) ok = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool ReplaceFile(const char* path, const char* data, std::size_t size) {
    // The target is looked at, never opened: a FIFO in its place cannot
    // block, and a link is replaced rather than followed.
    struct stat target {};
    const bool exists = ::lstat(path, &target) == 0;
    // A folder is never replaced: it may hold anything, and rename would
    // refuse it anyway, after the whole file was written and flushed.
    if (exists && S_ISDIR(target.st_mode)) return false;
    const bool isRegular = exists && S_ISREG(target.st_mode);
    if (isRegular && IsReadOnly(path, target)) return false;
    RemoveAbandonedTemporaryFiles(path);
    char temporary[kTemporaryPathMax];
    int fd = CreateTemporaryFile(path, temporary);
    if (fd < 0 && errno == ENOENT && MakeMissingFolder(path)) fd = CreateTemporaryFile(path, temporary);
    if (fd < 0) return false;
    // The creation mode passes through the umask; the replaced file's own
    // bits are set outright.
    bool ok = (!isRegular || ::fchmod(fd, target.st_mode & 0777) == 0) && WriteAll(fd, data, size) &&
              ::fsync(fd) == 0;
    // Renamed, or removed, while still locked, so that no sweep of another
    // program can take it meanwhile. Once flushed, its bytes are on disk and
    // the close can no longer lose them.
    if (ok) ok = std::rename(temporary, path) == 0;
    if (!ok) ::unlink(temporary);
    ::close(fd);
    return ok;
}

}  // namespace platform
