#pragma once
// Work spread over the machine's cores: independent jobs numbered 0..n-1,
// taken one at a time by as many threads as there are cores.

#include <cstdint>
#include <functional>

namespace platform {

// The cores this process may run on (at least 1).
std::int32_t UsableCores();

// Calls job(i) once for every i in 0..count-1 and returns when all calls
// have returned. Up to `threads` threads (the caller among them) each take
// the lowest number not yet taken, so the jobs start in order and a long
// one never holds up the short ones behind it. Jobs run at the same time:
// each may touch only what belongs to its number, or what is guarded. A job
// must not throw. Fewer threads are used when the system grants no more.
void ForEachOnCores(std::int32_t count, std::int32_t threads, const std::function<void(std::int32_t)>& job);

}  // namespace platform
