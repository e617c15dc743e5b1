#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

// Creates every missing folder on the way to `path`'s parent. `path` is a
// writable copy; each slash is cut to a NUL for the mkdir and put back.
void MakeParentFolders(char* path) {
    for (char* slash = std::strchr(path + 1, '/'); slash != nullptr;
         slash = std::strchr(slash + 1, '/')) {
        *slash = '\0';
        ::mkdir(path, 0755);
        *slash = '/';
    }
}

// Longest path ReplaceFile handles, temporary suffix and NUL included. The
// game's own paths are a few dozen bytes; the bound keeps a save free of
// allocation.
constexpr std::size_t kPathMax = 512;
constexpr char kTemporarySuffix[] = ".tmp";

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

bool ReplaceFile(const char* path, const char* data, std::size_t size) {
    const std::size_t length = std::strlen(path);
    if (length + sizeof kTemporarySuffix > kPathMax) return false;
    char temporary[kPathMax];
    std::memcpy(temporary, path, length);
    std::memcpy(temporary + length, kTemporarySuffix, sizeof kTemporarySuffix);
    MakeParentFolders(temporary);
    const int fd = ::open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, data, size) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temporary, path) == 0;
    if (!ok) ::unlink(temporary);
    return ok;
}

}  // namespace platform
