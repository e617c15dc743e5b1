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

// Creates every missing folder on the way to `path`'s parent, on a copy of
// the path whose slashes are cut to a NUL one at a time for the mkdir.
void MakeParentFolders(const char* path) {
    char copy[kTemporaryPathMax];
    const std::size_t length = std::strlen(path);
    if (length == 0 || length >= sizeof copy) return;
    std::memcpy(copy, path, length + 1);
    for (char* slash = std::strchr(copy + 1, '/'); slash != nullptr; slash = std::strchr(slash + 1, '/')) {
        *slash = '\0';
        ::mkdir(copy, 0755);
        *slash = '/';
    }
}

// Whether the file at `path` exists and may not be written: its owner has no
// write permission (which binds even a user whom the system would let
// write, such as the superuser), or this user has none.
bool IsReadOnly(const char* path) {
    struct stat status {};
    if (::stat(path, &status) != 0) return false;
    return (status.st_mode & S_IWUSR) == 0 || ::access(path, W_OK) != 0;
}

}  // namespace

long ReadFilePrefix(const char* path, char* out, std::size_t capacity) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
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

bool WriteFileAt(const char* path, long offset, const char* data, std::size_t size) {
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = ::lseek(fd, offset, SEEK_SET) == offset && WriteAll(fd, data, size);
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool OverwriteFile(const char* path, const char* data, std::size_t size) {
    // Opened without O_TRUNC and cut only when it was longer: some file
    // systems start writing a file that was emptied and written again out
    // to disk at its close, the very cost this write is meant to spare.
    constexpr int kFlags = O_WRONLY | O_CREAT | O_CLOEXEC;
    int fd = ::open(path, kFlags, 0644);
    if (fd < 0 && errno == ENOENT) {
        MakeParentFolders(path);
        fd = ::open(path, kFlags, 0644);
    }
    if (fd < 0) return false;
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0 && WriteAll(fd, data, size);
    if (ok && status.st_size > static_cast<off_t>(size)) ok = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool ReplaceFile(const char* path, const char* data, std::size_t size) {
    if (IsReadOnly(path)) return false;
    RemoveAbandonedTemporaryFiles(path);
    char temporary[kTemporaryPathMax];
    int fd = CreateTemporaryFile(path, temporary);
    if (fd < 0 && errno == ENOENT) {
        MakeParentFolders(path);
        fd = CreateTemporaryFile(path, temporary);
    }
    if (fd < 0) return false;
    bool ok = WriteAll(fd, data, size) && ::fsync(fd) == 0;
    // Renamed, or removed, while still locked, so that no sweep of another
    // program can take it meanwhile. Once flushed, its bytes are on disk and
    // the close can no longer lose them.
    if (ok) ok = std::rename(temporary, path) == 0;
    if (!ok) ::unlink(temporary);
    ::close(fd);
    return ok;
}

}  // namespace platform
