#include "platform/random.h"

namespace platform {
namespace {
std::uint32_t state = 1;
}

std::int32_t Rand() {
    state = state * 214013u + 2531011u;
    return static_cast<std::int32_t>((state >> 16) & 0x7fffu);
}

void ResetRandom() { state = 1; }

}  // namespace platform
