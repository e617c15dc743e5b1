#pragma once
// The temporary files through which ReplaceFile writes: one of its own for
// every replace, beside the target, so that two programs replacing the same
// file never write into one temporary file.

namespace platform {

// Longest path handled, temporary suffix and NUL included. The game's own
// paths are a few dozen bytes; the bound keeps a save free of allocation.
inline constexpr unsigned kTemporaryPathMax = 512;

// Creates, exclusively, the new file "<target>.<pid>.<n>.tmp" and any missing
// folder on the way to it. Returns its descriptor, open for writing, with its
// path in `name`; -1 when it cannot be created.
int CreateTemporaryFile(const char* target, char (&name)[kTemporaryPathMax]);

// Removes the temporary files of `target` left by replaces that never ended:
// those whose process is gone, and those older than an hour whatever their
// process number says, since a number may have passed to another program.
// A replace lasts milliseconds, so neither can belong to one still running.
void RemoveStaleTemporaryFiles(const char* target);

}  // namespace platform
