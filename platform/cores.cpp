#include "platform/cores.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace platform {

std::int32_t UsableCores() {
    // The affinity mask, not the machine's count: a process pinned to two
    // cores gains nothing from eight threads.
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return CPU_COUNT(&set);
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<std::int32_t>(cores) : 1;
}

void ForEachOnCores(std::int32_t count, std::int32_t threads, const std::function<void(std::int32_t)>& job) {
    if (count <= 0) return;
    std::atomic<std::int32_t> next{0};
    // Each number is handed out once; the threads' ends (joined below) make
    // every job's work visible to the caller.
    const auto work = [&next, &job, count] {
        for (std::int32_t i = next.fetch_add(1, std::memory_order_relaxed); i < count;
             i = next.fetch_add(1, std::memory_order_relaxed)) {
            job(i);
        }
    };
    const std::int32_t helpers = std::clamp(threads, 1, count) - 1;
    std::vector<std::jthread> started;
    try {
        started.reserve(static_cast<std::size_t>(helpers));
        for (std::int32_t k = 0; k < helpers; ++k) started.emplace_back(work);
    } catch (const std::exception&) {
        // No more threads to be had: those started and the caller do it all.
    }
    work();
}   // the jthreads join here

}  // namespace platform
