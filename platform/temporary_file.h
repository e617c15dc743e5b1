#pragma once
// The temporary files through which ReplaceFile writes: one of its own for
// every replace, beside the target, so that two programs replacing the same
// file never write into one temporary file.
//
// Each is held under an exclusive lock (flock) from its creation until it is
// renamed over its target or removed. A temporary file that nobody holds
// locked was therefore left by a replace that never ended, whatever process
// number its name carries and however old it is, and only such files are
// removed: a game in another process namespace, or one stopped for hours in
// the middle of a save, keeps its file.

namespace platform {

// Longest path handled, temporary suffix and NUL included. The game's own
// paths are a few dozen bytes; the bound keeps a save free of allocation.
inline constexpr unsigned kTemporaryPathMax = 512;

// Creates, exclusively, the new file "<target>.<pid>.<n>.tmp" and locks it.
// Returns its descriptor, open for writing, with its path in `name`; -1 when
// it cannot be created, errno telling why: ENOENT only when the folder, or
// one on the way to it, is missing (or is a link that leads nowhere), EEXIST
// when each of the 64 names it tried, once each, was taken, ENAMETOOLONG
// when the name does not fit in kTemporaryPathMax. The lock lasts until the
// descriptor is closed, so the file is to be renamed or removed before it is
// closed.
int CreateTemporaryFile(const char* target, char (&name)[kTemporaryPathMax]);

// Removes the temporary files of `target` that no replace holds locked.
void RemoveAbandonedTemporaryFiles(const char* target);

}  // namespace platform
