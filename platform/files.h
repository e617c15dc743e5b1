#pragma once
// The few file operations the game needs, on paths relative to the working
// directory ("Data/..."). None of them throws; each reports failure. None
// reads or writes anything but a regular file, nor waits on a FIFO or a
// device in a file's place.

#include <cstddef>

namespace platform {

// Reads at most `capacity` bytes from the start of the regular file at
// `path` (followed through symbolic links) into `out`. Returns the number of
// bytes read, or -1 when there is no such file or it cannot be opened.
long ReadFilePrefix(const char* path, char* out, std::size_t capacity);

// The same for a file the game writes itself, such as a saved game: a
// symbolic link in its place is not followed and reads as missing.
long ReadOwnFilePrefix(const char* path, char* out, std::size_t capacity);

// Writes `size` bytes at `offset` of the file, creating it when missing and
// never truncating it. Returns false when any step fails.
bool WriteFileAt(const char* path, long offset, const char* data, std::size_t size);

// Writes a file of the game's own anew in place: created when missing (its
// folder too), emptied when present. Only a regular file of this user's
// with no other name is written; a symbolic link, a FIFO, a folder or a
// file shared with another name is refused and left alone. Nothing is
// flushed to disk and a failure can leave the file short, so it serves only
// files nothing depends on. Returns false when any step fails.
bool OverwriteOwnFile(const char* path, const char* data, std::size_t size);

// Replaces the whole file with `data` so that a failure at any point leaves
// the previous file as it was: the bytes go to a temporary file of this
// replace's own in the same folder (created when missing), are flushed to
// disk, and then renamed over the target. Two programs replacing one file
// at once each leave it whole, the later rename winning. The new file keeps
// the permission bits of the regular file it replaces. A target that may
// not be written (no write permission for its owner, or none for this user)
// is refused and kept, and so is a folder in the target's place; a symbolic
// link, FIFO or other special file there is replaced, never opened.
// Temporary files left by replaces that never ended are removed. Returns
// false, with the old file intact, when any step fails.
bool ReplaceFile(const char* path, const char* data, std::size_t size);

}  // namespace platform
