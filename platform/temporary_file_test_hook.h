#pragma once
// For tests only. The game never sets this and leaves it null; nothing in
// the game is meant to hook into the creation of temporary files.
//
// A test sets it to stand in for another program's sweep where only a sweep
// can strike: CreateTemporaryFile calls it with the path of each new
// temporary file, after its creation and before its lock.

namespace platform {

extern void (*gTestHookAfterTemporaryFileCreated)(const char* name);

}  // namespace platform
